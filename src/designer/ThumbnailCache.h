#pragma once

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace quillora {

// Pictures as the designer shows them: decoded at the size they are shown (a camera's
// 8000 x 8000 picture never lands in memory whole) and kept, so moving between pages does
// not decode the same files again. A file that changed on disk is decoded afresh.
class ThumbnailCache {
public:
    // The picture fitted into the box, keeping its shape; a null pixmap when the file is
    // missing or is not a picture.
    QPixmap picture(const QString &path, QSize box);

    // Whether the file holds a picture this program can show (its header is read, not the
    // pixels).
    static bool isReadablePicture(const QString &path);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = 0;
        QPixmap pixmap;
    };
    QHash<QString, Entry> m_entries;
};

} // namespace quillora
