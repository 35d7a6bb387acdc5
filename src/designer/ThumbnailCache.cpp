#include "designer/ThumbnailCache.h"

#include <QFileInfo>
#include <QImageReader>

namespace quillora {

namespace {

// Many pages' previews stay cached while a teacher works; beyond this the oldest are
// simply dropped and decoded again when needed.
constexpr int kMostEntries = 600;

QString keyOf(const QString &path, QSize box) {
    return QStringLiteral("%1|%2x%3").arg(path).arg(box.width()).arg(box.height());
}

} // namespace

QPixmap ThumbnailCache::picture(const QString &path, QSize box) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || box.isEmpty())
        return {};
    const QString key = keyOf(path, box);
    const auto found = m_entries.constFind(key);
    if (found != m_entries.constEnd() && found->modified == info.lastModified() &&
        found->size == info.size())
        return found->pixmap;

    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid())
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (!full.isValid() && !image.isNull())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (m_entries.size() >= kMostEntries)
        m_entries.clear();
    Entry entry{info.lastModified(), info.size(), QPixmap::fromImage(image)};
    m_entries.insert(key, entry);
    return entry.pixmap;
}

bool ThumbnailCache::isReadablePicture(const QString &path) {
    QImageReader reader(path);
    return reader.canRead() && reader.size().isValid();
}

} // namespace quillora
