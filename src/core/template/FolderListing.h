#pragma once

#include <QStringList>

namespace quillora {

class AppFolder;

// The names of the files in the application folder that match a wildcard pattern such as
// "student_*.lgn". Listings come back sorted by file name: the platform's own listing order
// differs from one file system to the next, and a teacher expects a list to keep its order
// from one day to the next.
QStringList listFolder(const AppFolder &folder, const QString &pattern);

} // namespace quillora
