#include "ReadingFixture.h"

#include "student/BookPageWipe.h"
#include "student/ButtonColumn.h"
#include "student/CollectionPanels.h"
#include "student/PrintLayout.h"
#include "student/ReadingPanel.h"
#include "student/ReadingScreen.h"
#include "ui/PictureButton.h"
#include "ui/QtPrinterService.h"

#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quillora::test {

namespace {

QStringList printedLines(const PrintJob &job) {
    QStringList lines;
    for (const PrintStep &step : job.steps) {
        if (step.kind == PrintStep::Kind::Line)
            lines.append(step.text);
    }
    return lines;
}

QString runPdfToText(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF as pdftotext reads it, one printed line to a line.
QString pdfText(const QString &pdf) {
    return runPdfToText({pdf, QStringLiteral("-")});
}

// Where each word of the first page lies. pdftotext turns any run of spaces into one, so the
// width of a gap is the only way to see how many spaces were printed.
struct PdfWord {
    QString text;
    double left = 0;
    double right = 0;
};
QList<PdfWord> pdfWords(const QString &pdf) {
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<PdfWord> words;
    const QString html = runPdfToText({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (const auto &match : word.globalMatch(html))
        words.append(
            {match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
    return words;
}

// The gap after the first word of that text, and before the next word.
double gapAfter(const QList<PdfWord> &words, const QString &text) {
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        if (words[i].text == text)
            return words[i + 1].left - words[i].right;
    }
    return -1;
}

bool allWhite(const QImage &image, const QRect &area) {
    for (int y = area.top(); y <= area.bottom(); y += 3) {
        for (int x = area.left(); x <= area.right(); x += 3) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                return false;
        }
    }
    return true;
}

} // namespace

TEST(PrintLayoutTest, WrapsAtSpacesPastTheLimitAndIndentsEveryLine) {
    struct Case {
        QString text;
        QString wrapped;
    };
    const QString in = QStringLiteral("  "); // an indent of 2, a limit of 5, to keep it short
    const Case cases[] = {
        {QStringLiteral("ab cd"), in + QStringLiteral("ab cd")},
        {QStringLiteral("abc def ghi"),
         in + QStringLiteral("abc def\r") + in + QStringLiteral("ghi")},
        // A line break of the text starts the count again.
        {QStringLiteral("ab\ncdef gh"),
         in + QStringLiteral("ab\n") + in + QStringLiteral("cdef gh")},
        // Words are never split, however long.
        {QStringLiteral("abcdefghij kl"),
         in + QStringLiteral("abcdefghij\r") + in + QStringLiteral("kl")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(wrapForPrinter(c.text, 2, 5), c.wrapped) << c.text.toStdString();
    EXPECT_EQ(printedNumber(3), QStringLiteral(" 3"));
    EXPECT_EQ(printedNumber(-3), QStringLiteral("-3"));
}

class PdfPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext is not installed";
        printer.setPdfOutput(dir.filePath(QStringLiteral("page.pdf")));
    }
    QString printed(const PrintJob &job) {
        const auto result = printer.print(job);
        EXPECT_TRUE(result) << result.error().text().toStdString();
        return pdfText(printer.pdfOutput());
    }

    TempAppFolder folder{TempAppFolder::InstalledCopy};
    QTemporaryDir dir;
    QtPrinterService printer;
};

TEST_F(PdfPrinting, FullPageCarriesThePageNumberAndTheWrappedText) {
    const QString text =
        QStringLiteral("Milo climbs the big tree and looks at the birds all day long.");
    const QString printedText = printed(bookPagePrintJob(
        text, folder.path(QStringLiteral("page_pic_1_105_1.jpg")), 3, QStringLiteral("Page")));
    EXPECT_TRUE(printedText.contains(QStringLiteral("Page 3"))) << printedText.toStdString();
    // The lines break at the first space past 30 characters.
    EXPECT_TRUE(printedText.contains(QStringLiteral("Milo climbs the big tree and looks\n"
                                                    "at the birds all day long.")));
    // Two spaces between "Page" and the number: twice the gap between two words of the text.
    const QList<PdfWord> words = pdfWords(printer.pdfOutput());
    EXPECT_NEAR(gapAfter(words, QStringLiteral("Page")) / gapAfter(words, QStringLiteral("Milo")),
                2.0, 0.2);
}

TEST_F(PdfPrinting, TitlePageCarriesTheTitleAndTheAuthorLine) {
    const QString text =
        printed(titlePagePrintJob(QStringLiteral("Milo the Cat\r(Up the Tree)"),
                                  QStringLiteral("by"), QStringLiteral("Maya"), QString()));
    EXPECT_TRUE(text.contains(QStringLiteral("Milo the Cat"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("(Up the Tree)")));
    EXPECT_TRUE(text.contains(QStringLiteral("by Maya")));
}

// The full page is laid out from the page shown, after the printing notice has had its say.
TEST_F(ReadingFixture, FullPagePrintOfTheReadingPage) {
    logOnMaya(kAccessMouse);
    session.profile.printFormat = 2;
    addBook({105, 106}, 106);
    open(false, true);
    pick(collectionButtons(), CollectionPanel::Read);
    pick(titleButtons(), TitlePage::FirstPage);
    pick(readingButtons(), ReadingPanel::NextPage);
    waitForChoice(readingButtons());
    EXPECT_EQ(readingButtons().visibleItems(), (QList<int>{1, 2, 3, 4, 5}));
    printer.refuse = true;
    QStringList heardWhenPrinting;
    printer.whilePrinting = [&] { heardWhenPrinting = sound.played(); };

    pick(readingButtons(), ReadingPanel::Print);
    waitForChoice(readingButtons());
    ASSERT_EQ(printer.jobs.size(), 1);
    const QStringList lines = printedLines(printer.jobs[0]);
    EXPECT_EQ(lines[0], QString(44, QLatin1Char(' ')) + QStringLiteral("Page  2"));
    EXPECT_TRUE(lines[14].trimmed().startsWith(QStringLiteral("Milo finds a nest")));
    EXPECT_EQ(heardWhenPrinting.last(), QStringLiteral("aobj_printing.wav"));
    EXPECT_EQ(printer.jobs[0].steps.last().area, kPagePictureArea);
    // The refusal reaches the child, and reading goes on.
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_EQ(messages.shown.last(), QStringLiteral("There is no printer"));
    EXPECT_EQ(readingButtons().visibleItems(), (QList<int>{1, 2, 3, 4, 5}));
}

// A screen shot shows the page on white, with no buttons in it.
TEST_F(ReadingFixture, ScreenShotPrintLeavesTheButtonsOut) {
    logOnMaya(kAccessStepScanning); // profiles print screen shots unless told otherwise
    ASSERT_EQ(session.profile.printFormat, 1);
    addBook({106}, 106);
    open(false, true);
    pick(collectionButtons(), CollectionPanel::Read);
    pick(titleButtons(), TitlePage::FirstPage);
    waitForChoice(readingButtons());
    QList<QRect> buttonPlaces;
    for (const int item : readingButtons().visibleItems()) {
        PictureButton *button = readingButtons().button(item);
        buttonPlaces.append(QRect(button->mapTo(&screen, QPoint(0, 0)), button->size()));
    }
    const QRect picture(reading().picture()->mapTo(&screen, QPoint(0, 0)),
                        reading().picture()->size());

    pick(readingButtons(), ReadingPanel::Print);
    waitForChoice(readingButtons());
    ASSERT_EQ(printer.jobs.size(), 1);
    const PrintStep &shot = printer.jobs[0].steps.first();
    EXPECT_EQ(shot.area, kScreenShotArea);
    const QImage image = QImage::fromData(shot.pictureData);
    ASSERT_EQ(image.size(), screen.size());
    EXPECT_TRUE(allWhite(image, QRect(0, 0, 100, 100))); // the faded background
    for (const QRect &place : buttonPlaces)
        EXPECT_TRUE(allWhite(image, place)) << place.x() << "," << place.y();
    EXPECT_FALSE(allWhite(image, picture)); // the page itself is there
    // Afterwards the screen is as it was.
    EXPECT_EQ(readingButtons().visibleItems().size(), buttonPlaces.size());
    EXPECT_EQ(screens->readingScreen()->palette().color(QPalette::Window), QColor(0, 64, 64));
}

} // namespace quillora::test
