#pragma once

#include "core/profiles/Assignments.h"

#include <QFrame>
#include <QList>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quillora {

struct TemplateSummary;

// The panel lists this many templates at most.
inline constexpr int kAssignmentListLimit = 501;

// Which story templates one student may write from: every template, or only those ticked.
class AssignmentPanel : public QFrame {
    Q_OBJECT
public:
    explicit AssignmentPanel(QWidget *parent = nullptr);

    // Lists the templates (at most 501) and ticks those the restriction names. Without a
    // restriction the first option is chosen and nothing is ticked.
    void fill(const QString &studentName, const QList<TemplateSummary> &templates,
              const Assignments &assignments);

    // Whether the student is limited to the ticked templates.
    bool restricted() const;
    // The numbers of the ticked templates in list order, each once.
    QList<int> tickedIds() const;

    QLabel *heading() const { return m_heading; }
    QListWidget *templateList() const { return m_list; }
    QRadioButton *allOption() const { return m_all; }
    QRadioButton *onlyOption() const { return m_only; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QList<int> m_ids; // the template number of each entry, by list position
    QLabel *m_heading = nullptr;
    QListWidget *m_list = nullptr;
    QRadioButton *m_all = nullptr;
    QRadioButton *m_only = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace quillora
