#pragma once

#include <QString>

namespace quillora {

// Hands documents to the programs the desktop associates with them.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a document (a local file path) the way a double click would. False when the
    // desktop could not open it; callers decide whether that matters.
    virtual bool openDocument(const QString &path) = 0;
    // Opens a web address in the desktop's browser. False when nothing could open it.
    virtual bool openAddress(const QString &address) = 0;
};

} // namespace quillora
