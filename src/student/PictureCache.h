#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace quillora {

class AppFolder;

// Decoded pictures, kept so a page or a highlight step never decodes the same file twice.
// Artwork is small and few; story pictures are many, so only the most recent are kept.
class PictureCache {
public:
    explicit PictureCache(const AppFolder &folder);

    // An installed picture of the application folder, at its own size.
    QPixmap artwork(const QString &name);
    // A picture scaled to fill the size; null when the file does not exist or cannot be read.
    QPixmap scaled(const QString &path, QSize size);

private:
    const AppFolder &m_folder;
    QHash<QString, QPixmap> m_artwork;
    QHash<QString, QPixmap> m_scaled;
};

} // namespace quillora
