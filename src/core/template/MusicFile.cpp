#include "core/template/MusicFile.h"

#include <QFile>

namespace quillora {

bool isMidiFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    if (head.startsWith("MThd"))
        return true;
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "RMID";
}

} // namespace quillora
