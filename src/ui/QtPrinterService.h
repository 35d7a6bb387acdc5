#pragma once

#include "core/services/PrinterService.h"

namespace quillora {

// Prints on the system's default printer with no dialog. Where the machine has no printer
// the print system quietly falls back to writing a PDF file without a name and fails to
// start; that is reported as "no printer" instead of pretending the page went out.
class QtPrinterService : public PrinterService {
public:
    // Writes every document into this PDF file instead of sending it to the printer
    // (tests, and machines whose teacher prints from files). The empty text restores the
    // default printer.
    void setPdfOutput(const QString &path) { m_pdfOutput = path; }
    const QString &pdfOutput() const { return m_pdfOutput; }

    Result<void> print(const PrintJob &job) override;

    // What the child's teacher reads when nothing could be printed.
    static QString noPrinterMessage();

private:
    QString m_pdfOutput;
};

} // namespace quillora
