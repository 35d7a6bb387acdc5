#pragma once

#include <QStringList>

namespace quillora {

class AppFolder;

// True for the name of a temporary file a save left behind when the program was killed
// halfway: the name of one of our data files, a dot and exactly six letters or digits, as
// the atomic writer makes them ("story_5.sty.a1B2c3").
bool isStrayTemporaryName(const QString &fileName);

// Removes such leftovers from the application folder and returns the names removed. Call it
// only while holding the folder lock: a running copy's save in progress looks the same.
// Nothing else is ever touched, not even a name that merely resembles one.
QStringList removeStrayTemporaryFiles(const AppFolder &folder);

} // namespace quillora
