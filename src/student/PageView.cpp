#include "student/PageView.h"

#include "core/template/StoryTemplate.h"
#include "student/PictureCache.h"
#include "student/StoryLabels.h"
#include "ui/PictureButton.h"

#include <QLabel>

namespace quillora {

using namespace Qt::StringLiterals;

namespace {

QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void setBackground(QWidget *widget, const QColor &colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

} // namespace

PageView::PageView(PictureCache &pictures, QWidget *parent)
    : QWidget(parent)
    , m_pictures(pictures) {
    setAccessibleName(u"Story Page"_s);
    for (int number = 1; number <= 3; ++number) {
        Section &part = section(number);
        part.frame = new QWidget(this);
        part.frame->setAutoFillBackground(true);
        part.art = new QLabel(part.frame);
        part.picture = new QLabel(part.frame);
        part.picture->setAccessibleName(u"Picture %1"_s.arg(number));
        part.text = new QLabel(part.frame);
        part.text->setWordWrap(true);
        part.text->setAutoFillBackground(true);
        part.text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        part.text->setContentsMargins(6, 2, 6, 2); // the words never touch the card's border
        markStoryLabel(part.text, StoryLabel::PageText);
        part.read = new PictureButton(part.frame);
        part.read->setAccessibleName(u"Read aloud"_s);
        part.read->setPictures(m_pictures.artwork(u"aobj_read_small.jpg"_s),
                               m_pictures.artwork(u"aobj_read_small_active.jpg"_s));
        part.read->setFollowsPointer(true);
        part.read->setFocusPolicy(Qt::NoFocus);
        connect(part.read, &PictureButton::clicked, this,
                [this, number] { Q_EMIT readAloudClicked(number); });
        part.frame->hide();
    }
    m_caption = new QLabel(this);
    m_caption->setAlignment(Qt::AlignCenter);
    markStoryLabel(m_caption, StoryLabel::Text);
    QFont font = m_caption->font();
    font.setPointSize(24);
    font.setBold(true);
    m_caption->setFont(font);
    QPalette colours = m_caption->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    m_caption->setPalette(colours);
    m_caption->hide();
}

QWidget *PageView::frame(int number) const {
    return section(number).frame;
}
QLabel *PageView::picture(int number) const {
    return section(number).picture;
}
QLabel *PageView::text(int number) const {
    return section(number).text;
}
PictureButton *PageView::readButton(int number) const {
    return section(number).read;
}

QRect PageView::selectButtonPlace(int number) const {
    return m_places.selectButton.translated(section(number).frame->pos());
}

void PageView::placeSection(Section &part, const FramePlaces &places, const QString &art) {
    part.frame->resize(places.frame);
    part.art->setGeometry(QRect(QPoint(0, 0), places.frame));
    part.art->setPixmap(m_pictures.artwork(art));
    part.picture->setGeometry(places.picture);
    part.text->setGeometry(places.text);
    part.text->show();
    part.read->setGeometry(places.readButton);
}

void PageView::showPage(const StoryTemplate &story, int slot, const PageLook &look) {
    for (const Section &part : m_sections)
        part.frame->hide();
    const int layout = story.page(slot).layout;
    const bool simple = layout == kLayoutSimple;
    m_layout = layout;
    m_places = simple ? simplePagePlaces() : decisionCardPlaces();
    const QString art =
        simple ? u"aobj_spiral_blank_page.jpg"_s : u"aobj_blank_decision_page_long.jpg"_s;
    const std::array<int, 3> lefts = frameLefts(layout, width());
    const int top = simple ? simplePageTop(height()) : decisionPageTop(height());
    for (int number = 1; number <= 3; ++number) {
        Section &part = section(number);
        placeSection(part, m_places, art);
        part.frame->move(lefts[static_cast<std::size_t>(number - 1)], top);
        part.read->setVisible(look.mouseUser);
        part.read->raise();
    }
    // Every page text reads from the side its script starts on, on simple and decision pages
    // alike.
    for (int number = 1; number <= 3; ++number) {
        section(number).text->setAlignment((look.rightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
                                           Qt::AlignTop);
    }
    for (int number = 1; number <= layout; ++number) {
        fillChoice(number, story, slot, look);
        section(number).frame->show();
    }
    m_caption->setText(look.caption);
    m_caption->setGeometry(0, top - kCaptionHeight, width(), kCaptionHeight);
    m_caption->setVisible(!simple);
}

void PageView::fillChoice(int number, const StoryTemplate &story, int slot, const PageLook &look) {
    Section &part = section(number);
    const PageChoice &choice = story.page(slot).choice(number);
    part.picture->setPixmap(m_pictures.scaled(choice.picture, part.picture->size()));
    part.text->setText(choice.text);
    const QColor back = toColor(look.palette.backColor(story.colorScheme));
    setBackground(part.frame, back);
    QPalette colours = part.text->palette();
    colours.setColor(QPalette::Window, back);
    colours.setColor(QPalette::WindowText, toColor(look.palette.textColor(story.colorScheme)));
    part.text->setPalette(colours);
    QFont font(story.fontName);
    font.setPointSize(pageTextPointSize(story.page(slot).layout, choice.text));
    font.setBold(story.fontBold == 1);
    font.setItalic(story.fontItalic == 1);
    part.text->setFont(font);
}

void PageView::showEndPage() {
    for (const Section &part : m_sections)
        part.frame->hide();
    m_caption->hide();
    Section &part = section(1);
    const QRect page(
        QPoint((width() - kEndPageSize.width()) / 2,
               simplePageTop(height()) + (kNotebookPageSize.height() - kEndPageSize.height()) / 2),
        kEndPageSize);
    part.frame->setGeometry(page);
    part.art->setPixmap(QPixmap());
    part.picture->setGeometry(QRect(QPoint(0, 0), kEndPageSize));
    part.picture->setPixmap(m_pictures.artwork(u"aobj_the_end.jpg"_s));
    part.text->clear();
    part.text->hide();
    part.read->hide();
    part.frame->show();
    m_places.selectButton = QRect();
}

} // namespace quillora
