#pragma once

#include <QString>

namespace quillora {

// The folder that holds everything the program keeps. Stored names without a folder part
// live here; names from other computers may carry either separator, so both count.
class AppFolder {
public:
    AppFolder() = default;
    explicit AppFolder(QString root);

    const QString &root() const { return m_root; }
    bool isValid() const { return !m_root.isEmpty(); }

    // The path of a file in the folder, for names the program itself makes.
    QString filePath(const QString &name) const;

    // A bare stored name becomes a path in the folder; a name with a folder part, the
    // empty name and "None" are returned unchanged.
    QString resolve(const QString &name) const;

private:
    QString m_root;
};

// The part of a path before its last separator (\ or /), or the empty text.
QString directoryPart(const QString &path);

// True for a name that carries a folder of its own.
bool hasFolderPart(const QString &name);

} // namespace quillora
