#pragma once

#include "core/Result.h"
#include "core/services/Cabinets.h"

#include <QCoro/QCoroTask>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillora {

class AppFolder;

// A cabinet's expanded size is limited, whatever the free space: no template comes near it,
// and a hostile cabinet must not fill the disk.
inline constexpr qint64 kImportSizeLimit = qint64(1) << 30;

// The import dialog's check: the chosen name must end in ".cab", written exactly so.
bool hasCabinetExtension(const QString &fileName);
QString notACabinetMessage(const QString &fileName);

// What a cabinet may bring in: the template file and the media of its own number, each under
// a bare name, and nothing already in the folder.
struct ImportPlan {
    int storyId = 0;
    QStringList members; // the template file last, so it is placed last
    qint64 totalBytes = 0;
};

// Judges a cabinet by its member list alone, before anything is expanded. Refuses the whole
// cabinet, naming what was refused, when a member is not a file of the template kinds with
// the cabinet's own number (a folder part, "..", a drive, an absolute path, a profile, a
// program file), when the template number is already in use here, or when the files would
// not fit.
Result<ImportPlan> planTemplateImport(const AppFolder &folder, const QString &cabinetPath,
                                      const QList<CabinetMember> &members);

struct ImportedTemplate {
    int storyId = 0;
    QString title; // as stored
};

// Checks the expanded files in staging (the template parses, carries the cabinet's number and
// every file it names came with it) and only then moves them into the application folder,
// the template file last. Nothing is left in the folder when a step fails.
Result<ImportedTemplate> placeStagedTemplate(const AppFolder &folder, const QString &stagingPath,
                                             const QString &cabinetPath, const ImportPlan &plan);

// The whole import: list, plan, expand into a staging folder inside the application folder,
// check and place. Reports why the cabinet was refused, naming it.
QCoro::Task<Result<ImportedTemplate>> importTemplateCabinet(AppFolder folder, Cabinets &cabinets,
                                                            QString cabinetPath,
                                                            CabinetProgress progress = {});

} // namespace quillora
