#pragma once

#include "core/async/AsyncOp.h"

#include <QString>

namespace quillora {

// What a file dialog asks for. The filter reads as Qt's name filters do, for example
// "Cabinet files (*.cab)"; the start folder is where the dialog opens.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString startFolder;
    QString proposedName; // saving only: the name the dialog offers
};

// The desktop's file-open and file-save dialogs. Each returns at once; the caller awaits the
// full path of the chosen file, or the empty text when the teacher cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual AsyncOp<QString> openFile(const FileDialogRequest &request) = 0;
    virtual AsyncOp<QString> saveFile(const FileDialogRequest &request) = 0;
};

} // namespace quillora
