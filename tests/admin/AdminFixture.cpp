#include "AdminFixture.h"

#include "admin/StudentListPanel.h"
#include "admin/StudentOptionsPanel.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace quillora::test {

AdminFixture::AdminFixture(TempAppFolder::Contents contents)
    : TestWorld(contents) {
    form = std::make_unique<StudentManagementForm>(services(), state, scan);
    form->resize(1280, 1024);
    form->show();
    form->open();
    drainEvents();
}

AdminFixture::~AdminFixture() {
    form.reset();
    drainEvents();
}

void AdminFixture::select(const QString &name) {
    QListWidget *list = form->listPanel()->studentList();
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    list->setCurrentItem(found.front());
}

QStringList AdminFixture::listedNames() const {
    QStringList names;
    const QListWidget *list = form->listPanel()->studentList();
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

void AdminFixture::click(QAbstractButton *button) {
    button->click();
    drainEvents();
}

void AdminFixture::addStudent(const QString &name) {
    form->listPanel()->nameBox()->setText(name);
    click(form->listPanel()->addButton());
}

void AdminFixture::editOptionsOf(const QString &name) {
    select(name);
    click(form->listPanel()->editButton());
}

QByteArray profileBytes(const QString &name, int number, QList<int> settings,
                        const QString &picture) {
    // access, seconds, music, announce, versions, print, skip
    auto n = [](int value) { return QStringLiteral(" %1 ").arg(value); };
    return crlf({name, n(number), n(settings[0]), n(settings[1]), n(settings[2]), n(settings[3]),
                 picture, n(settings[4]), n(settings[5]), n(settings[6])});
}

} // namespace quillora::test
