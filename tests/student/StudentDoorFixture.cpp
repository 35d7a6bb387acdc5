#include "StudentDoorFixture.h"

#include "student/EscapeNotice.h"
#include "student/LogonPanel.h"
#include "student/StudentArea.h"
#include "student/StudentMenu.h"
#include "ui/PictureButton.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace quillora::test {

StudentDoorFixture::StudentDoorFixture() {
    form = std::make_unique<StudentForm>(services(), state, scan);
    form->resize(1280, 1024);
    form->startUp();
    form->show();
    settle();
}

StudentDoorFixture::~StudentDoorFixture() {
    form.reset();
    drainEvents();
}

StudentArea &StudentDoorFixture::area() const {
    return *form->studentArea();
}

void StudentDoorFixture::openLogon() {
    form->mainMenu()->button(MainMenu::StudentLogon)->click();
    settle();
}

void StudentDoorFixture::pressLogonFor(const QString &name) {
    QListWidget *list = area().logonPanel()->studentList();
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    list->setCurrentItem(found.front());
    area().logonPanel()->logonButton()->click();
    settle();
}

void StudentDoorFixture::pressContinue() {
    area().logonPanel()->escapeNotice()->continueButton()->click();
    settle();
}

void StudentDoorFixture::logOn(const QString &name) {
    openLogon();
    pressLogonFor(name);
    pressContinue();
}

void StudentDoorFixture::giveBooks(int studentNumber, int count) {
    for (int book = 1; book <= count; ++book)
        folder.write(QStringLiteral("mystory_%1_4999_%2_1_1.msy").arg(studentNumber).arg(book),
                     "4999\r\n");
}

void StudentDoorFixture::key(Qt::Key which) {
    QTest::keyClick(form.get(), which);
    settle();
}

QList<int> StudentDoorFixture::shownButtons() const {
    QList<int> shown;
    for (int item = 1; item <= StudentMenu::kButtonCount; ++item) {
        if (area().studentMenu()->button(item)->isVisible())
            shown.append(item);
    }
    return shown;
}

int StudentDoorFixture::litButton() const {
    for (int item = 1; item <= StudentMenu::kButtonCount; ++item) {
        if (area().studentMenu()->button(item)->isHighlighted())
            return item;
    }
    return 0;
}

} // namespace quillora::test
