#include "ui/QtFileDialogs.h"

#include "TempAppFolder.h"
#include "VirtualClock.h"

#include <QApplication>
#include <QFileDialog>

#include <gtest/gtest.h>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

QFileDialog *openDialog() {
    test::drainEvents();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QFileDialog *>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// The dialog opens where it is asked to, offers the proposed name, and its answer arrives
// through the operation: the chosen path, or nothing when the teacher cancels.
TEST(QtFileDialogs, TheChosenPathOrNothingArrivesThroughTheOperation) {
    test::TempAppFolder folder;
    folder.write(u"Template_7.cab"_s, "cabinet");
    QWidget form;
    QtFileDialogs dialogs(&form);
    const FileDialogRequest exporting{u"Export"_s, u"Cabinet files (*.cab)"_s,
                                      folder.folder().root(), u"Story.cab"_s};
    const FileDialogRequest importing{
        u"Import"_s, u"Cabinet files (*.cab)"_s, folder.folder().root(), {}};
    AsyncOp<QString> saved = dialogs.saveFile(exporting);

    QFileDialog *save = openDialog();
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->windowTitle(), u"Export"_s);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->directory().absolutePath(), folder.folder().root());
    save->reject();
    test::drainEvents();
    ASSERT_TRUE(saved.isSettled());
    EXPECT_TRUE(saved.await_resume().isEmpty());

    AsyncOp<QString> opened = dialogs.openFile(importing);

    QFileDialog *open = openDialog();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
    // What the dialog does when the teacher picks a file: it names the file, then closes.
    Q_EMIT open->fileSelected(folder.path(u"Template_7.cab"_s));
    static_cast<QDialog *>(open)->done(QDialog::Accepted);
    test::drainEvents();
    ASSERT_TRUE(opened.isSettled());
    EXPECT_EQ(opened.await_resume(), folder.path(u"Template_7.cab"_s));
}

} // namespace
} // namespace quillora
