#pragma once

#include "core/Result.h"
#include "core/services/Uploader.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quillora {

class AppFolder;

inline constexpr char kUploadFlagFile[] = "upload_flag.txt";
inline constexpr char kUploadLogFile[] = "log.xml";

// What the teacher tells the maker about the template.
struct UploadDescription {
    QString contributor;
    QString email;
    QString language;
    QString description;
    bool hideContributor = false;
};

// The description file's lines: ten, or more when a box holds several lines, which are kept
// as typed.
QStringList descriptionLines(const UploadDescription &description);

// "disk1\Template_<cabinet>.txt" and "disk1\upload_flag.txt", written whole.
QString descriptionFilePath(const AppFolder &folder, const QString &cabinetName);
QString notificationFilePath(const AppFolder &folder);
Result<void> writeDescriptionFile(const AppFolder &folder, const QString &cabinetName,
                                  const UploadDescription &description);
Result<void> writeNotificationFile(const AppFolder &folder);

// "log.xml": the conversation as XML, every appearance of the password replaced by "****",
// so the file can be sent to whoever helps with a failing upload.
Result<void> writeUploadLog(const AppFolder &folder, const QList<UploadLogEntry> &conversation,
                            const QString &password);

} // namespace quillora
