#include "student/PictureCache.h"

#include "core/AppFolder.h"

#include <QDateTime>
#include <QFileInfo>

namespace quillora {

namespace {

// A story has at most a few hundred pictures; a dozen pages back and forth stay decoded.
constexpr qsizetype kScaledLimit = 24;

} // namespace

PictureCache::PictureCache(const AppFolder &folder)
    : m_folder(folder) {}

QPixmap PictureCache::artwork(const QString &name) {
    auto found = m_artwork.constFind(name);
    if (found != m_artwork.constEnd())
        return *found;
    const QPixmap loaded(m_folder.resolve(name));
    m_artwork.insert(name, loaded);
    return loaded;
}

QPixmap PictureCache::scaled(const QString &path, QSize size) {
    // A teacher may replace a picture under the same name while the program runs.
    const QFileInfo file(path);
    if (!file.isFile())
        return {};
    const QString key = path + QLatin1Char('|') + QString::number(size.width()) + QLatin1Char('x') +
                        QString::number(size.height()) + QLatin1Char('|') +
                        QString::number(file.lastModified().toMSecsSinceEpoch()) +
                        QLatin1Char('|') + QString::number(file.size());
    auto found = m_scaled.constFind(key);
    if (found != m_scaled.constEnd())
        return *found;
    QPixmap loaded(path);
    if (!loaded.isNull() && loaded.size() != size)
        loaded = loaded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (m_scaled.size() >= kScaledLimit)
        m_scaled.clear();
    m_scaled.insert(key, loaded);
    return loaded;
}

} // namespace quillora
