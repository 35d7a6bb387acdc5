#pragma once

#include <QObject>

class QWidget;

namespace quillora {

// For the start-up benchmark: prints the wall-clock time of the form's first paint and
// ends the program. Installed only when QUILLORA_FIRST_PAINT_EXIT is set.
class FirstPaintProbe : public QObject {
public:
    static void installIfAsked(QWidget *form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    bool m_done = false;
};

} // namespace quillora
