#include "core/template/WorkingRecordings.h"

#include "core/AppFolder.h"

#include <QDir>
#include <QFile>

namespace quillora {

namespace {

void deleteMatching(const AppFolder &folder, const QString &pattern) {
    const QDir dir(folder.root());
    for (const QString &name : dir.entryList({pattern}, QDir::Files))
        QFile::remove(dir.filePath(name));
}

} // namespace

QString choiceRecordingName(int storyId, int pageId, int choice) {
    return QStringLiteral("recording_%1_%2_%3.wav").arg(storyId).arg(pageId).arg(choice);
}

QString workingCopyName(const QString &permanentName) {
    return QLatin1String(kWorkingCopyPrefix) + permanentName;
}

QString permanentNameOf(const QString &workingCopy) {
    const QLatin1String prefix(kWorkingCopyPrefix);
    if (!workingCopy.startsWith(prefix) || workingCopy.size() == prefix.size())
        return {};
    return workingCopy.mid(prefix.size());
}

void deletePageTempRecordings(const AppFolder &folder, int storyId, int pageId) {
    deleteMatching(folder, QStringLiteral("temp_recording_%1_%2_*.wav").arg(storyId).arg(pageId));
}

void deleteTempRecordings(const AppFolder &folder, int storyId) {
    deleteMatching(folder, QStringLiteral("temp_recording_%1_*.wav").arg(storyId));
}

} // namespace quillora
