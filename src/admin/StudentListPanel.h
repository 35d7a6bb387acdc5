#pragma once

#include <QFrame>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillora {

// The main panel of the student management form: the list of students and, beside it, the
// groups of what a teacher can do with the selected student.
class StudentListPanel : public QFrame {
    Q_OBJECT
public:
    explicit StudentListPanel(QWidget *parent = nullptr);

    QListWidget *studentList() const { return m_list; }
    QLineEdit *nameBox() const { return m_nameBox; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }
    QPushButton *deleteBooksButton() const { return m_deleteBooks; }
    QPushButton *editButton() const { return m_edit; }
    QPushButton *assignButton() const { return m_assign; }
    QPushButton *simpleFormatButton() const { return m_simple; }
    QPushButton *spreadsheetButton() const { return m_spreadsheet; }
    QPushButton *progressButton() const { return m_progress; }
    QPushButton *mainMenuButton() const { return m_mainMenu; }

    // Refills the list, keeping the selection on the same name where it is still there.
    void setStudentNames(const QStringList &names);
    // The selected name, or the empty text.
    QString selectedName() const;

private:
    QWidget *buildListGroup();
    QWidget *buildActions();

    QListWidget *m_list = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_deleteBooks = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_assign = nullptr;
    QPushButton *m_simple = nullptr;
    QPushButton *m_spreadsheet = nullptr;
    QPushButton *m_progress = nullptr;
    QPushButton *m_mainMenu = nullptr;
};

} // namespace quillora
