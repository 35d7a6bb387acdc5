#include "ui/QtPrinterService.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace quillora {

namespace {

QImage loadPicture(const PrintStep &step) {
    QImage picture;
    if (!step.pictureData.isEmpty())
        picture.loadFromData(step.pictureData);
    else if (!step.pictureFile.isEmpty())
        picture.load(step.pictureFile);
    return picture;
}

// Draws the steps as a line printer would: each line under the one before, starting at the
// top of the printable area; a line that would run off the paper begins a new sheet.
class PageWriter {
public:
    PageWriter(QPrinter &printer, QPainter &painter)
        : m_printer(printer)
        , m_painter(painter)
        , m_font(painter.font())
        , m_deviceUnitsPerTwip(printer.resolution() / double(kTwipsPerInch)) {}

    void run(const PrintStep &step) {
        switch (step.kind) {
        case PrintStep::Kind::FontSize:
            m_font.setPointSizeF(step.pointSize);
            m_painter.setFont(m_font);
            break;
        case PrintStep::Kind::Line:
            printLine(step.text);
            break;
        case PrintStep::Kind::Picture:
            paintPicture(step);
            break;
        }
    }

private:
    void printLine(const QString &text) {
        const QFontMetricsF metrics(m_font, &m_printer);
        const double pageHeight = m_printer.pageRect(QPrinter::DevicePixel).height();
        if (m_y > 0 && m_y + metrics.lineSpacing() > pageHeight) {
            m_printer.newPage();
            m_y = 0;
        }
        if (!text.isEmpty())
            m_painter.drawText(QPointF(0, m_y + metrics.ascent()), text);
        m_y += metrics.lineSpacing();
    }

    void paintPicture(const PrintStep &step) {
        const QImage picture = loadPicture(step);
        if (picture.isNull())
            return; // the rest of the page is still worth having
        const double k = m_deviceUnitsPerTwip;
        const QRectF target(step.area.left * k, step.area.top * k, step.area.width * k,
                            step.area.height * k);
        m_painter.drawImage(target, picture);
    }

    QPrinter &m_printer;
    QPainter &m_painter;
    QFont m_font; // the printer's own font; only its size changes
    double m_deviceUnitsPerTwip;
    double m_y = 0;
};

} // namespace

QString QtPrinterService::noPrinterMessage() {
    return QStringLiteral("Your page could not be printed: this computer has no printer ready.\n\n"
                          "Please ask your teacher to check the printer.");
}

Result<void> QtPrinterService::print(const PrintJob &job) {
    QPrinter printer(QPrinter::HighResolution);
    if (!m_pdfOutput.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfOutput);
    } else if (QPrinterInfo::defaultPrinter().isNull() ||
               (printer.outputFormat() == QPrinter::PdfFormat &&
                printer.outputFileName().isEmpty())) {
        // Without a printer the print system would write a nameless PDF, that is, nothing.
        return FileError{noPrinterMessage(), {}};
    }
    printer.setDocName(job.documentName);
    QPainter painter;
    if (!painter.begin(&printer))
        return FileError{noPrinterMessage(), m_pdfOutput};
    PageWriter writer(printer, painter);
    for (const PrintStep &step : job.steps)
        writer.run(step);
    if (!painter.end())
        return FileError{noPrinterMessage(), m_pdfOutput};
    return {};
}

} // namespace quillora
