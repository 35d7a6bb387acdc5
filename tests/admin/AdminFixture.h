#pragma once

#include "TestWorld.h"
#include "admin/StudentManagementForm.h"

#include <QAbstractButton>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace quillora::test {

// The real student management form, offscreen on a copy of the installed folder (students
// "Teacher" 600, "Maya" 601, "Leo" 602; template 1 "Milo the Cat"), or on an empty folder.
class AdminFixture : public TestWorld {
public:
    explicit AdminFixture(TempAppFolder::Contents contents = TempAppFolder::InstalledCopy);
    ~AdminFixture();

    // Picks the name in the student list (it must be there).
    void select(const QString &name);
    QStringList listedNames() const;
    void click(QAbstractButton *button);
    // Types a name into the add box and presses "Add a Student".
    void addStudent(const QString &name);
    void editOptionsOf(const QString &name);
    QString lastMessage() const {
        return messages.shown.isEmpty() ? QString() : messages.shown.back();
    }

    std::unique_ptr<StudentManagementForm> form;
};

// A profile file's bytes, as the program writes them.
QByteArray profileBytes(const QString &name, int number, QList<int> settings,
                        const QString &picture = {});

} // namespace quillora::test
