#pragma once

#include "core/services/Messages.h"

#include <QStringList>

#include <deque>

namespace quillora::test {

// Records every message and answers questions from a script (Yes/OK when the script is
// empty), so flows that ask run without anyone at the keyboard.
class FakeMessages : public Messages {
public:
    AsyncOp<void> inform(const QString &text) override;
    AsyncOp<bool> askYesNo(const QString &text) override;
    AsyncOp<bool> askOkCancel(const QString &text) override;

    void scriptAnswers(std::initializer_list<bool> answers);

    QStringList shown; // every text, in order

private:
    bool nextAnswer();
    std::deque<bool> m_answers;
};

} // namespace quillora::test
