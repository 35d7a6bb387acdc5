#include "student/TopicScreen.h"

#include "core/template/TemplateLibrary.h"
#include "student/ButtonColumn.h"
#include "student/PageLayout.h"
#include "student/PictureCache.h"
#include "student/StoryLabels.h"
#include "ui/PictureButton.h"

#include <QLabel>

namespace quillora {

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kScreenSize{860, 660};
constexpr QRect kCoverPlace{40, 120, 560, 420};
constexpr int kButtonsLeft = 680;
constexpr int kButtonsStep = 124;

const char *const kItemNames[TopicScreen::kItemCount] = {"Choose this Topic", "Next Topic",
                                                         "Previous Topic", "Student Menu"};

QLabel *textLabel(QWidget *parent, int pointSize, const QColor &colour) {
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

} // namespace

TopicScreen::TopicScreen(PictureCache &pictures, QWidget *parent)
    : QWidget(parent)
    , m_pictures(pictures) {
    setAccessibleName(u"Choose a Topic"_s);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 64, 64));
    setPalette(colours);
    resize(kScreenSize);

    m_heading = textLabel(this, 26, Qt::white);
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setGeometry(0, 12, kScreenSize.width(), 56);
    m_counterShadow = textLabel(this, 18, Qt::black);
    m_counterShadow->setGeometry(kCoverPlace.left() + 2, 78, kCoverPlace.width(), 34);
    m_counter = textLabel(this, 18, QColor(255, 220, 90));
    m_counter->setGeometry(kCoverPlace.left(), 76, kCoverPlace.width(), 34);
    m_cover = new QLabel(this);
    m_cover->setGeometry(kCoverPlace);
    m_cover->setAccessibleName(u"Cover"_s);
    m_title = textLabel(this, 22, Qt::white);
    for (QLabel *label : {m_heading, m_counterShadow, m_counter})
        markStoryLabel(label, StoryLabel::Text);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);
    m_title->setGeometry(kCoverPlace.left(), kCoverPlace.bottom() + 10, kCoverPlace.width(), 100);

    QStringList names;
    for (const char *name : kItemNames)
        names.append(QLatin1String(name));
    m_buttons = new ButtonColumn(m_pictures, this, QList<QRect>(kItemCount), names);
    for (int item = 1; item <= kItemCount; ++item)
        button(item)->move(kButtonsLeft, kCoverPlace.top() + (item - 1) * kButtonsStep);
    connect(m_buttons, &ButtonColumn::itemClicked, this, &TopicScreen::itemClicked);
}

void TopicScreen::setHeading(const QString &text) {
    m_heading->setText(text);
}

void TopicScreen::showTopic(const Topic &topic, const QString &resolvedCover,
                            const QString &counter) {
    m_counter->setText(counter);
    m_counterShadow->setText(counter);
    QFont font(topic.fontName);
    font.setPointSize(topicTitlePointSize(topic.title));
    font.setBold(topic.bold == 1);
    font.setItalic(topic.italic == 1);
    m_title->setFont(font);
    m_title->setText(topic.title);
    m_cover->setPixmap(m_pictures.scaled(resolvedCover, kCoverPlace.size()));
}

PictureButton *TopicScreen::button(int item) const {
    return m_buttons->button(item);
}

void TopicScreen::showItemPicture(int item, const QString &picture, bool highlighted) {
    m_buttons->showItemPicture(item, picture, highlighted);
}

void TopicScreen::setItemVisible(int item, bool visible) {
    m_buttons->setItemVisible(item, visible);
}

} // namespace quillora
