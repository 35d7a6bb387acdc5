#include "student/ReadingPanel.h"

#include "student/BookPageWipe.h"
#include "student/ButtonColumn.h"
#include "student/ReadingRules.h"
#include "student/ScreenParts.h"
#include "student/StoryLabels.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPixmap>

namespace quillora {

namespace {

// The reading panel holds the picture area and, around it, the buttons and the text.
const QRect kPageArea = twipsRect(0, 0, 12900, 10200);
const QColor kTitlePageColour(239, 239, 239);

QList<QRect> readingButtonPlaces() {
    QList<QRect> places;
    for (int n = 1; n <= 6; ++n)
        places.append(twipsRect(345, 780 + 1575 * (n - 1), 1335, 1170));
    return places;
}

} // namespace

TitlePage::TitlePage(PictureCache &pictures, QWidget *parent)
    : QFrame(parent) {
    setAccessibleName(QStringLiteral("Title Page"));
    setBackground(this, kTitlePageColour);
    m_title = screenLabel(this, twipsRect(3390, 2325, 8835, 4155), 46, Qt::black);
    m_byLine = screenLabel(this, twipsRect(4800, 7425, 4065, 1725), 18, Qt::black);
    markStoryLabel(m_title, StoryLabel::Text);
    markStoryLabel(m_byLine, StoryLabel::Text);
    m_picture = new QLabel(this);
    m_picture->setScaledContents(true);
    m_picture->hide();
    m_buttons = new ButtonColumn(pictures, this,
                                 {twipsRect(360, 960, 1395, 1170), twipsRect(360, 6120, 1395, 1170),
                                  twipsRect(360, 7800, 1395, 1170)},
                                 {QStringLiteral("Turn to the First Page"), QStringLiteral("Done"),
                                  QStringLiteral("Print")});
}

bool TitlePage::showStudentPicture(const QString &path) {
    const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    m_picture->setPixmap(picture);
    if (picture.isNull()) {
        m_picture->hide();
        return false;
    }
    const QSize fitted = fitStudentPicture(picture.size() * kTwipsPerPixel) / kTwipsPerPixel;
    m_picture->setGeometry(QRect(twipsRect(9510, 7020, 0, 0).topLeft(), fitted));
    m_picture->show();
    return true;
}

ReadingPanel::ReadingPanel(PictureCache &pictures, QWidget *parent)
    : QFrame(parent) {
    setAccessibleName(QStringLiteral("Reading"));
    resize(kPageArea.size());
    m_pageNumber = screenLabel(this, twipsRect(6345, 120, 2895, 405), 16, Qt::white);
    m_picture = new BookPageWipe(this);
    m_picture->move(twipsRect(3060, 600, 0, 0).topLeft());
    m_pageText = screenLabel(this, twipsRect(3225, 8025, 9330, 1965), 32, Qt::black);
    markStoryLabel(m_pageNumber, StoryLabel::Text);
    markStoryLabel(m_pageText, StoryLabel::PageText);
    setBackground(m_pageText, kTitlePageColour);
    m_buttons = new ButtonColumn(pictures, this, readingButtonPlaces(),
                                 {QStringLiteral("Next Page"), QStringLiteral("Read"),
                                  QStringLiteral("Previous Page"), QStringLiteral("Done"),
                                  QStringLiteral("Print"), QStringLiteral("Read Again")});
    m_titlePage = new TitlePage(pictures, this);
    m_titlePage->setGeometry(rect());
    m_titlePage->hide();
}

} // namespace quillora
