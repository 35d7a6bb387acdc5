#pragma once

#include "core/Result.h"
#include "core/services/Cabinets.h"

#include <QCoro/QCoroTask>
#include <QDateTime>
#include <QList>
#include <QString>

namespace quillora {

class AppFolder;
struct StoryTemplate;

// The working folder export fills and the folder the cabinet is made in.
inline constexpr char kExportsFolder[] = "exports";
inline constexpr char kCabinetFolder[] = "disk1";
inline constexpr char kDirectiveFile[] = "cabdef.ddf";

// Export numbers are drawn from this range; each names every file of one export.
inline constexpr int kFirstExportNumber = 1000000;
inline constexpr int kLastExportNumber = 9999999;

// The title of the exported copy: the stored title, a space and the moment in the platform's
// short date-time form, so the copy never collides with the template it came from.
QString exportTitle(const QString &storedTitle, const QDateTime &when);

// The first 20 characters of the export title, trimmed, with spaces, slashes, backslashes and
// colons made into "_", so it can stand in a file name.
QString cabinetName(const QString &exportTitle);

// "Template_" cabinetName ".cab"
QString cabinetFileName(const QString &cabinetName);

// What staging left in "exports": the files the cabinet is made of, in listing order.
struct StagedTemplate {
    int exportNumber = 0;
    QString exportTitle;
    QString cabinetName;
    QList<CabinetInput> files;
};

// Draws an export number that no template of the folder already has.
int drawExportNumber(const AppFolder &folder);

// Empties "exports" and fills it with a copy of the template under a fresh export number and
// title and every media file it names under its exported name, then writes "cabdef.ddf".
// Stops at the first file the template names that is missing ("Error: ... Not Found, Export
// Cancelled") or that cannot be copied; "exports" is then left as it stands. Blocks: run it
// off the interface thread.
Result<StagedTemplate> stageTemplateForCabinet(const AppFolder &folder, const StoryTemplate &story,
                                               int exportNumber, const QDateTime &when);

// Everything an export does before the save dialog: reads template storyId, stages it and
// makes its cabinet in "disk1". Returns the cabinet's path, or why there is none; a failure
// never leaves a cabinet behind that could be taken for a good one.
QCoro::Task<Result<QString>> buildTemplateCabinet(AppFolder folder, Cabinets &cabinets, int storyId,
                                                  CabinetProgress progress = {});

// Puts the cabinet made in "disk1" where the teacher chose: written there whole, then the one
// in "disk1" removed. Choosing the cabinet's own place keeps it where it is.
Result<void> keepCabinetAs(const QString &cabinetPath, const QString &chosenPath);

} // namespace quillora
