#pragma once

#include <QString>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace quillora {

// Pieces the teacher's panels are built from, so every panel reads the same.
QPushButton *adminButton(const QString &caption, QWidget *parent);
// A short instruction beside a group, in the panel's quieter text.
QLabel *instructionLabel(const QString &text, QWidget *parent);
// The heading of a panel.
QLabel *panelTitle(const QString &text, QWidget *parent);
// The buttons that end a panel ("Save", "Cancel"), at its bottom right.
QHBoxLayout *closingButtons(QPushButton *first, QPushButton *second);
// A titled group holding the given layout.
QGroupBox *adminGroup(const QString &title, QLayout *contents, QWidget *parent);
// The look every panel shares: a light card on the form's dark background.
void styleAdminPanel(QWidget *panel);

} // namespace quillora
