#pragma once

#include <QWidget>

namespace quillora {

class ScanEngine;

// The base of the program's three full-screen forms. It holds the key rules every form
// shares: whichever control has the focus, Space, Enter and Escape belong to the switches.
// Releasing one in any form releases it for the scan, so a switch held while a teacher form
// closes does not count as a new press on the student form. Only a form that says it works
// the scan passes presses on. Closing a form is the composition root's to decide.
class FullScreenForm : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenForm(ScanEngine &scan, QWidget *parent = nullptr);
    ~FullScreenForm() override;

    ScanEngine &scanEngine() const { return m_scan; }

Q_SIGNALS:
    // The user closed the window (the desktop's close button, Alt+F4).
    void closing();

protected:
    // Whether switch presses in this form drive the scan.
    virtual bool worksTheScan() const { return false; }
    // An Escape press the scan has counted.
    virtual void escapeCounted() {}

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool handleSwitchKey(QEvent *event);

    ScanEngine &m_scan;
};

// The scan's code for a switch key, or 0 for any other key.
int switchKeyCode(int qtKey);

} // namespace quillora
