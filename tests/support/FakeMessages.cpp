#include "FakeMessages.h"

namespace quillora::test {

AsyncOp<void> FakeMessages::inform(const QString &text) {
    shown.append(text);
    return AsyncOp<void>::ready();
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
