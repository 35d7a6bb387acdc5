#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace quillora::assets {

// The pictures of the demo story about Milo the cat, 640 x 480 like the reading page's
// picture area (the writing page shows them at 480 x 360). A null image for a name the
// story does not use.
QImage drawStoryPicture(const QString &name);

// The names drawStoryPicture knows.
QStringList storyPictureNames();

} // namespace quillora::assets
