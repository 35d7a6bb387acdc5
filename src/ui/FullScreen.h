#pragma once

class QWidget;

namespace quillora {

// Shows a form over the whole screen. Without a window manager a full-screen request alone
// is ignored, so the geometry is set to the screen's first.
void showFullScreenOnScreen(QWidget *form);

} // namespace quillora
