#include "student/CollectionPanels.h"

#include "core/AppFolder.h"
#include "student/ButtonColumn.h"
#include "student/ScreenParts.h"
#include "student/StoryLabels.h"

#include <QLabel>
#include <QPixmap>

namespace quillora {

namespace {

// Design sizes, in twips.
const QRect kCollectionArea = twipsRect(0, 0, 11700, 10800);
const QColor kCollectionColour(0, 153, 204);
const QColor kShadowColour(0, 40, 60);
const QColor kCoverInk(40, 30, 30);
constexpr int kShadowOffset = 2; // 30 twips

QList<QRect> collectionButtonPlaces() {
    QList<QRect> places;
    for (int n = 1; n <= 5; ++n)
        places.append(twipsRect(9435, 2070 + 1725 * (n - 1), 1815, 1560));
    return places;
}

QLabel *pictureLabel(QWidget *parent, const QRect &place) {
    auto *label = new QLabel(parent);
    label->setGeometry(place);
    label->setScaledContents(true);
    label->hide();
    return label;
}

void showPicture(QLabel *label, const QString &path) {
    const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    label->setPixmap(picture);
    label->setVisible(!picture.isNull());
}

} // namespace

CollectionPanel::CollectionPanel(PictureCache &pictures, QWidget *parent)
    : QFrame(parent) {
    setAccessibleName(QStringLiteral("Book Collection"));
    resize(kCollectionArea.size());
    setBackground(this, kCollectionColour);

    const QRect headingPlace = twipsRect(375, 480, 11295, 1110);
    m_headingShadow =
        screenLabel(this, headingPlace.translated(kShadowOffset, kShadowOffset), 30, kShadowColour);
    m_heading = screenLabel(this, headingPlace, 30, Qt::white);
    const QRect counterPlace = twipsRect(480, 1575, 8580, 435);
    m_counterShadow = screenLabel(this, counterPlace.translated(kShadowOffset, kShadowOffset), 16,
                                  kShadowColour, Qt::AlignLeft | Qt::AlignVCenter);
    m_counter = screenLabel(this, counterPlace, 16, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);

    m_cover = pictureLabel(this, twipsRect(435, 2100, 8700, 8520));
    m_cover->show();
    // Everything on the cover is placed relative to the cover picture.
    // The cover artwork leaves light panels for its words.
    m_title = screenLabel(m_cover, twipsRect(735, 705, 7740, 2580), 40, kCoverInk);
    m_templateCover = pictureLabel(m_cover, twipsRect(1200, 3795, 3510, 2460));
    m_lastPage = pictureLabel(m_cover, twipsRect(4815, 3795, 3510, 2460));
    m_version = screenLabel(m_cover, twipsRect(870, 7545, 2055, 765), 14, kCoverInk);
    m_author = screenLabel(m_cover, twipsRect(3060, 7560, 5295, 720), 18, kCoverInk);
    for (QLabel *label :
         {m_headingShadow, m_heading, m_counterShadow, m_counter, m_title, m_version, m_author})
        markStoryLabel(label, StoryLabel::Text);

    m_buttons =
        new ButtonColumn(pictures, this, collectionButtonPlaces(),
                         {QStringLiteral("Read this Book"), QStringLiteral("Next Book"),
                          QStringLiteral("Previous Book"), QStringLiteral("Delete this Book"),
                          QStringLiteral("Student Menu")});
}

void CollectionPanel::setHeading(const QString &text) {
    m_heading->setText(text);
    m_headingShadow->setText(text);
}

void CollectionPanel::showBook(const CoverView &view) {
    showPicture(m_cover, view.coverPicture);
    m_cover->show(); // the labels on it stay readable even without the artwork
    m_title->setText(labelText(view.title));
    setStoryFont(m_title, view.fontName, view.titlePoints, view.bold, view.italic);
    m_author->setText(view.author);
    setStoryFont(m_author, view.fontName, 18, view.bold, view.italic);
    showPicture(m_templateCover, view.templateCover);
    showPicture(m_lastPage, view.lastPagePicture);
    m_version->setText(view.version);
    m_counter->setText(view.counter);
    m_counterShadow->setText(view.counter);
}

YesNoPanel::YesNoPanel(PictureCache &pictures, QWidget *parent)
    : QFrame(parent) {
    setAccessibleName(QStringLiteral("Question"));
    resize(768, 432);
    setBackground(this, QColor(255, 250, 205));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(4);
    m_question = screenLabel(this, QRect(16, 16, 736, 168), 24, QColor(0, 40, 60));
    markStoryLabel(m_question, StoryLabel::Text);
    m_buttons = new ButtonColumn(
        pictures, this, {twipsRect(1920, 2880, 3000, 3000), twipsRect(6600, 2880, 3000, 3000)},
        {QStringLiteral("Yes"), QStringLiteral("No")});
}

} // namespace quillora
