#include "FakeServices.h"

namespace quillora::test {

Result<void> RecordingPrinter::print(const PrintJob &job) {
    jobs.append(job);
    if (whilePrinting)
        whilePrinting();
    if (refuse)
        return FileError{QStringLiteral("There is no printer"), {}};
    return {};
}

AsyncOp<QString> FakeFileDialogs::openFile(const FileDialogRequest &request) {
    return answer(false, request);
}

AsyncOp<QString> FakeFileDialogs::saveFile(const FileDialogRequest &request) {
    return answer(true, request);
}

void FakeFileDialogs::scriptAnswers(std::initializer_list<QString> paths) {
    m_answers.insert(m_answers.end(), paths.begin(), paths.end());
}

AsyncOp<QString> FakeFileDialogs::answer(bool saving, const FileDialogRequest &request) {
    asked.append(Asked{saving, request});
    QString path;
    if (!m_answers.empty()) {
        path = m_answers.front();
        m_answers.pop_front();
    }
    return AsyncOp<QString>::ready(path);
}

} // namespace quillora::test
