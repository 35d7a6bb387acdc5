#pragma once

#include <QString>

namespace quillora {

// The buttons of the screen being scanned, as the scan sees them. Items are numbered from
// 1; pictures are bare names in the application folder. A screen implements this over its
// button array; the scan never touches a window itself.
class ScanDisplay {
public:
    virtual ~ScanDisplay() = default;

    virtual void showItemPicture(int item, const QString &picture, bool highlighted) = 0;
    virtual void setItemVisible(int item, bool visible) = 0;
};

} // namespace quillora
