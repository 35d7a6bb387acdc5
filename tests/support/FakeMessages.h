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

    // While set, information boxes stay open until the test presses OK, as for a teacher
    // who has not reached the mouse yet; until then whoever waits for the box waits.
    void holdBoxes(bool on = true) { m_holding = on; }
    // Presses OK on the box open longest; false when none is open.
    bool pressOk();
    int openBoxes() const { return static_cast<int>(m_open.size()); }

    QStringList shown;     // every text, in order
    int mostBoxesOpen = 0; // the most information boxes open at one moment

private:
    bool nextAnswer();
    std::deque<bool> m_answers;
    std::deque<Promise<void>> m_open;
    bool m_holding = false;
};

} // namespace quillora::test
