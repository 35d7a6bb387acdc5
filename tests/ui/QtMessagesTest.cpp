#include "ui/QtMessages.h"
#include "VirtualClock.h"
#include "core/async/FlowScope.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

QMessageBox *openBox() {
    test::drainEvents();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// The boxes carry the program's title and no icon, and answer through the operation without
// a nested event loop.
TEST(QtMessages, AnswersArriveThroughTheOperation) {
    QtMessages messages;
    FlowScope scope;
    std::optional<bool> answer;
    bool informed = false;
    auto ask = [&]() -> QCoro::Task<> {
        co_await scope(messages.inform(u"The Story Milo has been saved"_s));
        informed = true;
        answer = co_await scope(messages.askYesNo(u"Delete this book?"_s));
    };
    scope.start(ask());

    QMessageBox *box = openBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), u"Quillora"_s);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->text(), u"The Story Milo has been saved"_s);
    box->button(QMessageBox::Ok)->click();
    test::drainEvents();
    EXPECT_TRUE(informed);

    box = openBox();
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::No)->click();
    test::drainEvents();
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(*answer);
}

TEST(QtMessages, OkCancelSaysTrueForOk) {
    QtMessages messages;
    FlowScope scope;
    std::optional<bool> answer;
    auto ask = [&]() -> QCoro::Task<> {
        answer = co_await scope(messages.askOkCancel(u"Upload the story?"_s));
    };
    scope.start(ask());
    QMessageBox *box = openBox();
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Ok)->click();
    test::drainEvents();
    EXPECT_EQ(answer, true);
}

} // namespace
} // namespace quillora
