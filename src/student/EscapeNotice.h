#pragma once

#include "core/async/AsyncOp.h"

#include <QFrame>

#include <optional>

class QLabel;
class QPushButton;

namespace quillora {

// The warning a teacher reads before a student's screens start: once they run, only the
// Escape key leads back to the main menu. It waits for "Continue", however long that takes.
class EscapeNotice : public QFrame {
    Q_OBJECT
public:
    // The wording, with a gap where the picture of the Escape key stands.
    static QString text();

    EscapeNotice(const QString &escapeKeyPicture, QWidget *parent = nullptr);

    QLabel *message() const { return m_message; }
    QPushButton *continueButton() const { return m_continue; }

    // Completes when "Continue" is pressed.
    AsyncOp<void> waitForContinue();

private:
    QLabel *m_message = nullptr;
    QPushButton *m_continue = nullptr;
    std::optional<Promise<void>> m_continued;
};

} // namespace quillora
