#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace quillora {

// A place on a student screen, designed in twips.
QRect twipsRect(int left, int top, int width, int height);

void setBackground(QWidget *widget, const QColor &colour);

// A label for the reading screens: word-wrapped, centred unless told otherwise, with a
// transparent background so it sits on pictures and panels alike.
QLabel *screenLabel(QWidget *parent, const QRect &place, int points, const QColor &colour,
                    Qt::Alignment alignment = Qt::AlignCenter);

void setLabelColour(QLabel *label, const QColor &colour);

// Puts a panel in the middle of its parent.
void centreInParent(QWidget *panel);

// A story font: the template's face, size, bold and italic.
void setStoryFont(QLabel *label, const QString &family, int points, bool bold, bool italic);

// Texts carry CR for the line breaks the printer needs; a label breaks lines at LF.
QString labelText(const QString &text);

} // namespace quillora
