#pragma once

#include <QString>

namespace quillora {

class AppFolder;
class Messages;

// Copies a data file (recordings, pictures, templates), replacing the destination. Bare
// names resolve against the application folder. Every failure - a missing source, a
// destination that cannot be made, a failed write - is reported with the same message,
// naming both files as the caller gave them, and the caller learns of it. The destination
// is written whole or not at all.
bool copyDataFile(const AppFolder &folder, Messages &messages, const QString &source,
                  const QString &destination);

// Encloses a text in double quotes, adding only the quotes that are missing.
QString addQuotes(const QString &text);

} // namespace quillora
