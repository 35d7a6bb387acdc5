#pragma once

#include "core/services/FileDialogs.h"

#include <QPointer>
#include <QWidget>

namespace quillora {

// Qt's file dialogs, opened window-modal without a nested event loop: the chosen path
// arrives through the returned operation.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget *parent = nullptr);

    void setParentWidget(QWidget *parent) { m_parent = parent; }

    AsyncOp<QString> openFile(const FileDialogRequest &request) override;
    AsyncOp<QString> saveFile(const FileDialogRequest &request) override;

private:
    AsyncOp<QString> show(const FileDialogRequest &request, bool saving);

    QPointer<QWidget> m_parent;
};

} // namespace quillora
