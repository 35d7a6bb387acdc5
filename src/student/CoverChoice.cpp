#include "student/CoverChoice.h"

#include "student/ButtonColumn.h"
#include "student/PageLayout.h"
#include "student/PictureCache.h"
#include "student/StoryLabels.h"
#include "ui/PictureButton.h"

#include <QLabel>

namespace quillora {

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kThumbnailSize{145, 142};
constexpr int kColumns = 3;
constexpr int kColumnGap = 60;
constexpr int kHeadingHeight = 70;
constexpr int kRowHeight = 142 + 8 + 104 + 24;
constexpr QSize kInnerSize{kColumns * 145 + (kColumns + 1) * kColumnGap,
                           kHeadingHeight + 2 * kRowHeight + 10};

const char *const kColours[CoverChoice::kItemCount] = {"green", "blue",   "purple",
                                                       "gray",  "orange", "red"};

} // namespace

QString coverThumbnailName(int colour) {
    if (colour < 1 || colour > CoverChoice::kItemCount)
        return {};
    return u"aobj_mybook_"_s + QLatin1String(kColours[colour - 1]) + u"_cover_thumbnail.jpg"_s;
}

CoverChoice::CoverChoice(PictureCache &pictures, QWidget *parent)
    : QWidget(parent)
    , m_pictures(pictures) {
    setAccessibleName(u"Choose a Book Cover"_s);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 102, 136));
    setPalette(colours);

    m_inner = new QWidget(this);
    m_inner->setAutoFillBackground(true);
    QPalette inner = m_inner->palette();
    inner.setColor(QPalette::Window, QColor(0, 64, 64));
    inner.setColor(QPalette::WindowText, Qt::white);
    m_inner->setPalette(inner);
    m_inner->resize(kInnerSize);

    m_heading = new QLabel(m_inner);
    QFont font = m_heading->font();
    font.setPointSize(26);
    font.setBold(true);
    m_heading->setFont(font);
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setGeometry(0, 8, kInnerSize.width(), kHeadingHeight - 16);
    markStoryLabel(m_heading, StoryLabel::Text);

    QList<QPoint> buttonPlaces;
    for (int item = 1; item <= kItemCount; ++item) {
        const auto index = static_cast<std::size_t>(item - 1);
        const int column = (item - 1) % kColumns;
        const int row = (item - 1) / kColumns;
        const QPoint place(kColumnGap + column * (kThumbnailSize.width() + kColumnGap),
                           kHeadingHeight + row * kRowHeight);
        auto *thumbnail = new QLabel(m_inner);
        thumbnail->setGeometry(QRect(place, kThumbnailSize));
        thumbnail->setPixmap(m_pictures.artwork(coverThumbnailName(item)));
        m_thumbnails[index] = thumbnail;

        auto *title = new QLabel(thumbnail);
        markStoryLabel(title, StoryLabel::Text);
        // The title panel of the cover artwork.
        title->setGeometry(15, 11, kThumbnailSize.width() - 20, 44);
        title->setAlignment(Qt::AlignCenter);
        title->setWordWrap(true);
        m_titles[index] = title;

        buttonPlaces.append(QPoint(place.x() + (kThumbnailSize.width() - 120) / 2,
                                   place.y() + kThumbnailSize.height() + 8));
    }
    QStringList names;
    for (const char *name : kColours)
        names.append(QLatin1String(name));
    m_buttons = new ButtonColumn(m_pictures, m_inner, QList<QRect>(kItemCount), names);
    for (int item = 1; item <= kItemCount; ++item)
        button(item)->move(buttonPlaces[item - 1]);
    connect(m_buttons, &ButtonColumn::itemClicked, this, &CoverChoice::itemClicked);
}

void CoverChoice::prepare(const QString &heading, const QString &title, const QString &fontName) {
    m_heading->setText(heading);
    QFont font(fontName);
    font.setPointSize(coverTitlePointSize(title));
    font.setBold(true);
    for (QLabel *label : m_titles) {
        label->setFont(font);
        label->setText(title);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor(0, 51, 102));
        label->setPalette(colours);
    }
}

void CoverChoice::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_inner->move((width() - m_inner->width()) / 2, (height() - m_inner->height()) / 2);
}

PictureButton *CoverChoice::button(int item) const {
    return m_buttons->button(item);
}

QLabel *CoverChoice::coverTitle(int item) const {
    if (item < 1 || item > kItemCount)
        return nullptr;
    return m_titles[static_cast<std::size_t>(item - 1)];
}

void CoverChoice::showItemPicture(int item, const QString &picture, bool highlighted) {
    m_buttons->showItemPicture(item, picture, highlighted);
}

void CoverChoice::setItemVisible(int item, bool visible) {
    m_buttons->setItemVisible(item, visible);
}

} // namespace quillora
