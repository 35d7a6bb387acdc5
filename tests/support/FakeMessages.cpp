#include "FakeMessages.h"

#include <algorithm>

namespace quillora::test {

AsyncOp<void> FakeMessages::inform(const QString &text) {
    shown.append(text);
    if (!m_holding) {
        mostBoxesOpen = std::max(mostBoxesOpen, 1);
        return AsyncOp<void>::ready();
    }
    m_open.emplace_back();
    mostBoxesOpen = std::max(mostBoxesOpen, openBoxes());
    return m_open.back().op();
}

bool FakeMessages::pressOk() {
    if (m_open.empty())
        return false;
    const Promise<void> box = m_open.front();
    m_open.pop_front();
    box.resolve();
    return true;
}

AsyncOp<bool> FakeMessages::askYesNo(const QString &text) {
    shown.append(text);
    return AsyncOp<bool>::ready(nextAnswer());
}

AsyncOp<bool> FakeMessages::askOkCancel(const QString &text) {
    shown.append(text);
    return AsyncOp<bool>::ready(nextAnswer());
}

void FakeMessages::scriptAnswers(std::initializer_list<bool> answers) {
    m_answers.insert(m_answers.end(), answers);
}

bool FakeMessages::nextAnswer() {
    if (m_answers.empty())
        return true;
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

} // namespace quillora::test
