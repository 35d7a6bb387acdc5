#include "student/NoticePanel.h"

#include "student/StoryLabels.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quillora {

namespace {

constexpr int kLineCount = 3;

} // namespace

NoticePanel::NoticePanel(QWidget *parent)
    : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setLineWidth(4);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 250, 225));
    colours.setColor(QPalette::WindowText, QColor(0, 51, 102));
    setPalette(colours);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(12);
    m_picture = new QLabel(this);
    m_picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_picture);
    for (int line = 0; line < kLineCount; ++line) {
        auto *label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPointSize(line == 0 ? 28 : 22);
        font.setBold(true);
        label->setFont(font);
        markStoryLabel(label, StoryLabel::Text);
        layout->addWidget(label);
        m_lines.append(label);
    }
    hide();
}

void NoticePanel::present(const QPixmap &picture, const QStringList &lines) {
    m_picture->setPixmap(picture);
    m_picture->setVisible(!picture.isNull());
    for (qsizetype line = 0; line < m_lines.size(); ++line) {
        m_lines[line]->setText(lines.value(line));
        m_lines[line]->setVisible(line < lines.size());
    }
    setAccessibleName(lines.join(QLatin1Char(' ')));
    adjustSize();
    if (QWidget *screen = parentWidget())
        move((screen->width() - width()) / 2, (screen->height() - height()) / 2);
    raise();
    show();
}

QStringList NoticePanel::lines() const {
    QStringList shown;
    for (const QLabel *label : m_lines) {
        if (!label->isHidden())
            shown.append(label->text());
    }
    return shown;
}

} // namespace quillora
