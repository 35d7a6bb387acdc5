#include "student/ScreenParts.h"

#include "ui/Twips.h"

#include <QLabel>
#include <QWidget>

namespace quillora {

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

void setBackground(QWidget *widget, const QColor &colour) {
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

void setLabelColour(QLabel *label, const QColor &colour) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

QLabel *screenLabel(QWidget *parent, const QRect &place, int points, const QColor &colour,
                    Qt::Alignment alignment) {
    auto *label = new QLabel(parent);
    label->setGeometry(place);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(true);
    label->setFont(font);
    setLabelColour(label, colour);
    return label;
}

void centreInParent(QWidget *panel) {
    const QWidget *parent = panel->parentWidget();
    if (!parent)
        return;
    panel->move((parent->width() - panel->width()) / 2, (parent->height() - panel->height()) / 2);
}

void setStoryFont(QLabel *label, const QString &family, int points, bool bold, bool italic) {
    QFont font = label->font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
}

QString labelText(const QString &text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace quillora
