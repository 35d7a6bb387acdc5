#include "admin/AdminWidgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace quillora {

QPushButton *adminButton(const QString &caption, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
}

QLabel *instructionLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setObjectName(QStringLiteral("instruction"));
    return label;
}

QLabel *panelTitle(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("panelTitle"));
    return label;
}

QHBoxLayout *closingButtons(QPushButton *first, QPushButton *second) {
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(first);
    row->addWidget(second);
    return row;
}

QGroupBox *adminGroup(const QString &title, QLayout *contents, QWidget *parent) {
    auto *group = new QGroupBox(title, parent);
    group->setLayout(contents);
    group->setAccessibleName(title);
    return group;
}

void styleAdminPanel(QWidget *panel) {
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral(
        "QFrame#adminPanel { background: #eef4f7; border: 2px solid #0b5563; border-radius: 8px; }"
        "QGroupBox { font-weight: bold; color: #0b3a44; }"
        "QLabel#instruction { color: #35535b; font-weight: normal; }"
        "QLabel#panelTitle { font-size: 16pt; font-weight: bold; color: #0b3a44; }"));
    panel->setObjectName(QStringLiteral("adminPanel"));
}

} // namespace quillora
