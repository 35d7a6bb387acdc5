#include "admin/StudentListPanel.h"

#include "admin/AdminWidgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillora {

namespace {

// A group with its buttons in a row and the instruction under them.
QGroupBox *actionGroup(const QString &title, std::initializer_list<QWidget *> controls,
                       const QString &instruction, QWidget *parent) {
    auto *layout = new QVBoxLayout;
    auto *row = new QHBoxLayout;
    for (QWidget *control : controls)
        row->addWidget(control);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(instructionLabel(instruction, parent));
    return adminGroup(title, layout, parent);
}

} // namespace

StudentListPanel::StudentListPanel(QWidget *parent)
    : QFrame(parent) {
    styleAdminPanel(this);
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildListGroup(), 2);
    columns->addWidget(buildActions(), 3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panelTitle(QStringLiteral("Student Information"), this));
    layout->addLayout(columns);
    setTabOrder(m_list, m_nameBox);
}

QWidget *StudentListPanel::buildListGroup() {
    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Students"));
    m_list->setMinimumWidth(220);
    auto *layout = new QVBoxLayout;
    layout->addWidget(m_list);
    m_mainMenu = adminButton(QStringLiteral("Main Menu"), this);
    layout->addWidget(m_mainMenu);
    return adminGroup(QStringLiteral("Select a Student by Clicking on the Name in the List"),
                      layout, this);
}

QWidget *StudentListPanel::buildActions() {
    m_nameBox = new QLineEdit(this);
    m_nameBox->setAccessibleName(QStringLiteral("New student's name"));
    m_nameBox->setMaxLength(100);
    m_add = adminButton(QStringLiteral("Add a Student"), this);
    m_remove = adminButton(QStringLiteral("Remove Student"), this);
    m_deleteBooks = adminButton(QStringLiteral("Delete Student's Books"), this);
    m_edit = adminButton(QStringLiteral("Edit Student Options"), this);
    m_assign = adminButton(QStringLiteral("Assign Specific Story Templates"), this);
    m_simple = adminButton(QStringLiteral("Simple Format"), this);
    m_spreadsheet = adminButton(QStringLiteral("Spreadsheet Format"), this);
    m_progress = adminButton(QStringLiteral("Progress"), this);

    auto *actions = new QWidget(this);
    auto *layout = new QVBoxLayout(actions);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(actionGroup(QStringLiteral("Add a Student"), {m_nameBox, m_add},
                                  QStringLiteral("Type the new student's name, then add."), this));
    layout->addWidget(actionGroup(QStringLiteral("Remove a Student"), {m_remove},
                                  QStringLiteral("Removes the selected student with all of the "
                                                 "student's books and data."),
                                  this));
    layout->addWidget(actionGroup(
        QStringLiteral("Delete All Books Written by the Selected Student"), {m_deleteBooks},
        QStringLiteral("The student stays; only the books go."), this));
    layout->addWidget(actionGroup(QStringLiteral("Student Options"), {m_edit},
                                  QStringLiteral("Access mode, scanning, music, printing and the "
                                                 "student's picture."),
                                  this));
    layout->addWidget(
        actionGroup(QStringLiteral("Assign Specific Story Templates to a Student"), {m_assign},
                    QStringLiteral("Choose the topics the student may write from."), this));
    layout->addWidget(actionGroup(QStringLiteral("View Student Data"),
                                  {m_simple, m_spreadsheet, m_progress},
                                  QStringLiteral("What the student wrote and read, as a log, a "
                                                 "spreadsheet or charts."),
                                  this));
    layout->addStretch();
    return actions;
}

void StudentListPanel::setStudentNames(const QStringList &names) {
    const QString selected = selectedName();
    m_list->clear();
    m_list->addItems(names);
    const auto again = m_list->findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !again.isEmpty())
        m_list->setCurrentItem(again.front());
}

QString StudentListPanel::selectedName() const {
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

} // namespace quillora
