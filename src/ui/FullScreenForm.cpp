#include "ui/FullScreenForm.h"

#include "core/scanning/KeyFlags.h"
#include "core/scanning/ScanEngine.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace quillora {

int switchKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Space:
        return kKeySpace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Escape:
        return kKeyEscape;
    default:
        return 0;
    }
}

FullScreenForm::FullScreenForm(ScanEngine &scan, QWidget *parent)
    : QWidget(parent)
    , m_scan(scan) {
    // The switches must reach the scan whichever control has the keyboard focus.
    qApp->installEventFilter(this);
}

FullScreenForm::~FullScreenForm() {
    qApp->removeEventFilter(this);
}

bool FullScreenForm::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    return handleSwitchKey(event);
}

bool FullScreenForm::handleSwitchKey(QEvent *event) {
    auto *key = static_cast<QKeyEvent *>(event);
    const int code = switchKeyCode(key->key());
    if (code == 0)
        return false;
    // A held switch repeats; only its first press and its final release count.
    if (!key->isAutoRepeat()) {
        if (event->type() == QEvent::KeyRelease)
            m_scan.keyUp(code);
        else if (worksTheScan() && m_scan.keyDown(code) && code == kKeyEscape)
            escapeCounted();
    }
    // While a scan runs the switches belong to it: a focused button must not click as well.
    return worksTheScan() && m_scan.isScanning();
}

void FullScreenForm::closeEvent(QCloseEvent *event) {
    event->accept();
    Q_EMIT closing();
}

} // namespace quillora
