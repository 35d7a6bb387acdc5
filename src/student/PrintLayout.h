#pragma once

#include "core/services/PrinterService.h"

#include <QByteArray>
#include <QString>

namespace quillora {

// Where a screen shot lands on the paper: the whole screen, stretched to 12000 x 9000 twips.
inline constexpr TwipsRect kScreenShotArea{0, 0, 12000, 9000};
inline constexpr TwipsRect kPagePictureArea{2500, 1000, 6400, 4800};
inline constexpr TwipsRect kStudentPictureArea{4000, 10000, 3200, 2400};

// Breaks a text for the printer, whose lines do not wrap by themselves. Every line begins
// with the indent; a space met once a line holds more than the limit becomes a line break.
// Words are never split, so a word longer than the limit runs on. A line break of the text
// itself (CR or LF) begins a fresh, indented line. Breaks come out as CR.
QString wrapForPrinter(const QString &text, int indent, int limit);

// A number as printed after the word "Page": a space stands where a minus sign would, so
// "Page" and 3 come out as "Page  3".
QString printedNumber(int number);

// A page of a book on paper: the page number line, the text under the picture's place, and
// the picture itself. An empty picture name leaves the picture out.
PrintJob bookPagePrintJob(const QString &pageText, const QString &pictureFile, int pageNumber,
                          const QString &pageWord);

// The title page: the title in large letters (with its subtitle, as on screen), the author
// line, and the student's picture when there is one.
PrintJob titlePagePrintJob(const QString &titleText, const QString &authorWord,
                           const QString &studentName, const QString &studentPicture);

// A picture of the screen, encoded, stretched over the paper.
PrintJob screenShotPrintJob(const QByteArray &encodedPicture);

} // namespace quillora
