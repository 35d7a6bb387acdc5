#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillora {

// Paper geometry is given in twips (1440 to the inch), measured from the top left corner
// of the printable area, so a page looks the same on every printer.
inline constexpr int kTwipsPerInch = 1440;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect &, const TwipsRect &) = default;
};

// One step of a printed page. The printer works like a line printer with pictures: lines
// go down the page one under the other in the printer's own font, of which only the size
// is chosen; pictures are placed where they are asked for, whatever the lines did.
struct PrintStep {
    enum class Kind { FontSize, Line, Picture };
    Kind kind = Kind::Line;
    int pointSize = 0;      // FontSize
    QString text;           // Line: printed at the left edge; the empty text is an empty line
    QString pictureFile;    // Picture: a picture file...
    QByteArray pictureData; // ...or the picture itself, encoded (a screen shot)
    TwipsRect area;         // Picture: where on the paper, stretched to fill it

    friend bool operator==(const PrintStep &, const PrintStep &) = default;
};

// One page for the printer, described as plain data so the page layout can be built and
// checked without a printer or a window.
struct PrintJob {
    QString documentName; // what the print queue shows
    QList<PrintStep> steps;

    void setFontSize(int points) {
        PrintStep step;
        step.kind = PrintStep::Kind::FontSize;
        step.pointSize = points;
        steps.append(step);
    }
    void printLine(const QString &text = QString()) {
        PrintStep step;
        step.kind = PrintStep::Kind::Line;
        step.text = text;
        steps.append(step);
    }
    void paintPictureFile(const QString &file, TwipsRect area) {
        PrintStep step;
        step.kind = PrintStep::Kind::Picture;
        step.pictureFile = file;
        step.area = area;
        steps.append(step);
    }
    void paintPictureData(const QByteArray &data, TwipsRect area) {
        PrintStep step;
        step.kind = PrintStep::Kind::Picture;
        step.pictureData = data;
        step.area = area;
        steps.append(step);
    }
};

// The system's default printer, used without a dialog: a child presses "Print" and the page
// comes out. A picture that cannot be read is left off the page and the rest still prints.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    // Prints the job as one document. Fails, with words a child's teacher can act on, when
    // there is no printer to print on or the printer refuses the document; nothing has been
    // printed then.
    virtual Result<void> print(const PrintJob &job) = 0;
};

} // namespace quillora
