#include "ui/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace quillora {

QtFileDialogs::QtFileDialogs(QWidget *parent)
    : m_parent(parent) {}

AsyncOp<QString> QtFileDialogs::openFile(const FileDialogRequest &request) {
    return show(request, false);
}

AsyncOp<QString> QtFileDialogs::saveFile(const FileDialogRequest &request) {
    return show(request, true);
}

AsyncOp<QString> QtFileDialogs::show(const FileDialogRequest &request, bool saving) {
    auto *dialog = new QFileDialog(m_parent, request.title, request.startFolder, request.filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving && !request.proposedName.isEmpty())
        dialog->selectFile(QDir(request.startFolder).filePath(request.proposedName));

    Promise<QString> answer;
    // Whichever comes first settles the answer: a file accepted, or the dialog closed.
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [answer](const QString &path) { answer.resolve(path); });
    QObject::connect(dialog, &QFileDialog::finished, dialog,
                     [answer](int) { answer.resolve(QString()); });
    dialog->open();
    return answer.op();
}

} // namespace quillora
