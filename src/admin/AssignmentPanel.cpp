#include "admin/AssignmentPanel.h"

#include "admin/AdminWidgets.h"
#include "core/template/TemplateFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace quillora {

AssignmentPanel::AssignmentPanel(QWidget *parent)
    : QFrame(parent) {
    styleAdminPanel(this);
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_all = new QRadioButton(u"Allow student to write books from all story templates"_s, this);
    m_all->setAccessibleName(m_all->text());
    m_only = new QRadioButton(
        u"Allow student to write books from only the story templates checked off below"_s, this);
    m_only->setAccessibleName(m_only->text());
    m_list = new QListWidget(this);
    m_list->setAccessibleName(u"Story templates"_s);
    m_list->setUniformItemSizes(true);
    m_save = adminButton(u"Save"_s, this);
    m_cancel = adminButton(u"Cancel"_s, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panelTitle(u"Story Template assignments to students"_s, this));
    layout->addWidget(m_heading);
    layout->addWidget(m_all);
    layout->addWidget(m_only);
    layout->addWidget(m_list, 1);
    layout->addLayout(closingButtons(m_save, m_cancel));

    // Touching the list means the teacher is choosing templates.
    const auto chooseOnly = [this] { m_only->setChecked(true); };
    connect(m_list, &QListWidget::itemChanged, this, chooseOnly);
    connect(m_list, &QListWidget::itemClicked, this, chooseOnly);
}

void AssignmentPanel::fill(const QString &studentName, const QList<TemplateSummary> &templates,
                           const Assignments &assignments) {
    m_heading->setText(u"Story templates assigned to "_s + studentName);
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    m_ids.clear();
    const qsizetype count = std::min<qsizetype>(templates.size(), kAssignmentListLimit);
    for (qsizetype i = 0; i < count; ++i) {
        auto *item = new QListWidgetItem(templates[i].storedTitle);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool ticked = assignments && assignments->contains(templates[i].storyId);
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        m_list->addItem(item);
        m_ids.append(templates[i].storyId);
    }
    (assignments ? m_only : m_all)->setChecked(true);
}

bool AssignmentPanel::restricted() const {
    return m_only->isChecked();
}

QList<int> AssignmentPanel::tickedIds() const {
    QList<int> ids;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked && !ids.contains(m_ids[row]))
            ids.append(m_ids[row]);
    }
    return ids;
}

} // namespace quillora
