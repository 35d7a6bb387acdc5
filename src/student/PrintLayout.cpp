#include "student/PrintLayout.h"

namespace quillora {

namespace {

constexpr int kPageTextIndent = 23;
constexpr int kPageTextLimit = 30;
constexpr int kPageFontPoints = 20;
constexpr int kPageNumberIndent = 44;
constexpr int kLinesAbovePageText = 13; // room for the picture above the text

constexpr int kTitleIndent = 6;
constexpr int kTitleLimit = 10;
constexpr int kTitleFontPoints = 60;
constexpr int kAuthorIndent = 41;

const QChar CR = QLatin1Char('\r');
const QChar LF = QLatin1Char('\n');

// The printer takes one line at a time.
void printWrapped(PrintJob &job, const QString &wrapped) {
    QString line;
    for (const QChar c : wrapped) {
        if (c == CR || c == LF) {
            job.printLine(line);
            line.clear();
        } else {
            line += c;
        }
    }
    job.printLine(line);
}

} // namespace

QString wrapForPrinter(const QString &text, int indent, int limit) {
    const QString margin(indent, QLatin1Char(' '));
    QString wrapped = margin;
    int count = 0;
    for (QChar c : text) {
        ++count;
        if (c == QLatin1Char(' ') && count > limit)
            c = CR;
        wrapped += c;
        if (c == CR || c == LF) {
            wrapped += margin;
            count = 0;
        }
    }
    return wrapped;
}

QString printedNumber(int number) {
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

PrintJob bookPagePrintJob(const QString &pageText, const QString &pictureFile, int pageNumber,
                          const QString &pageWord) {
    PrintJob job;
    job.documentName = pageWord + printedNumber(pageNumber);
    job.setFontSize(kPageFontPoints);
    job.printLine(QString(kPageNumberIndent, QLatin1Char(' ')) + pageWord + QLatin1Char(' ') +
                  printedNumber(pageNumber));
    for (int i = 0; i < kLinesAbovePageText; ++i)
        job.printLine();
    printWrapped(job, wrapForPrinter(pageText, kPageTextIndent, kPageTextLimit));
    job.printLine();
    if (!pictureFile.isEmpty())
        job.paintPictureFile(pictureFile, kPagePictureArea);
    return job;
}

PrintJob titlePagePrintJob(const QString &titleText, const QString &authorWord,
                           const QString &studentName, const QString &studentPicture) {
    PrintJob job;
    job.documentName = titleText.section(CR, 0, 0).section(LF, 0, 0);
    job.setFontSize(kTitleFontPoints);
    job.printLine();
    job.printLine();
    printWrapped(job, wrapForPrinter(titleText, kTitleIndent, kTitleLimit));
    job.printLine();
    job.setFontSize(kPageFontPoints);
    job.printLine(QString(kAuthorIndent, QLatin1Char(' ')) + authorWord + QLatin1Char(' ') +
                  studentName);
    if (!studentPicture.isEmpty())
        job.paintPictureFile(studentPicture, kStudentPictureArea);
    return job;
}

PrintJob screenShotPrintJob(const QByteArray &encodedPicture) {
    PrintJob job;
    job.documentName = QStringLiteral("Quillora");
    job.paintPictureData(encodedPicture, kScreenShotArea);
    return job;
}

} // namespace quillora
