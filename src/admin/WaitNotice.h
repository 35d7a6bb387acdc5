#pragma once

#include <QString>
#include <QWidget>

class QProgressBar;

namespace quillora {

// "Exporting......  Please Wait" and its like: a label that turns between green and red once
// a second while it is shown, so a teacher sees the program is still at work, above a real
// progress bar that starts busy and counts once the work reports its steps.
class WaitNotice : public QWidget {
public:
    WaitNotice(const QString &text, const QString &labelName, QWidget *parent = nullptr);
    QProgressBar *bar() const { return m_bar; }

private:
    QProgressBar *m_bar = nullptr;
};

} // namespace quillora
