#pragma once

#include "core/services/FileDialogs.h"
#include "core/services/PrinterService.h"
#include "core/services/ProgramStop.h"
#include "core/services/Shell.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

namespace quillora::test {

// Records the stop instead of ending the test run, so a test can look at what happened.
class RecordingStop : public ProgramStop {
public:
    QStringList messages;

protected:
    void endProgram(const QString &message) override { messages.append(message); }
};

// A desktop without a browser or viewer: every document is recorded and none opens.
class RecordingShell : public Shell {
public:
    bool openDocument(const QString &path) override {
        opened.append(path);
        return false;
    }
    bool openAddress(const QString &address) override {
        opened.append(address);
        return false;
    }
    QStringList opened;
};

// A printer that keeps every job; it can be told to refuse them as a missing printer would.
class RecordingPrinter : public PrinterService {
public:
    Result<void> print(const PrintJob &job) override;

    QList<PrintJob> jobs;
    bool refuse = false;
    std::function<void()> whilePrinting; // looks at the screen at the moment of printing
};

// File dialogs answered from a script: each dialog takes the next scripted path (the empty
// text, as when the teacher cancels, once the script is used up) and is recorded.
class FakeFileDialogs : public FileDialogs {
public:
    AsyncOp<QString> openFile(const FileDialogRequest &request) override;
    AsyncOp<QString> saveFile(const FileDialogRequest &request) override;

    void scriptAnswers(std::initializer_list<QString> paths);

    struct Asked {
        bool saving = false;
        FileDialogRequest request;
    };
    QList<Asked> asked;

private:
    AsyncOp<QString> answer(bool saving, const FileDialogRequest &request);
    std::deque<QString> m_answers;
};

} // namespace quillora::test
