#pragma once

#include "core/services/Shell.h"

namespace quillora {

class DesktopShell : public Shell {
public:
    bool openDocument(const QString &path) override;
    bool openAddress(const QString &address) override;
};

} // namespace quillora
