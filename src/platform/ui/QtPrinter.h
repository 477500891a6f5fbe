#pragma once
// The printer of the windows: measures text with the real fonts and, at the end of each
// document, paints it with QPainter on a QPrinter: a US Letter sheet used whole, positions
// in centimetres from its top-left corner, to a printer or to a PDF file as the job says.

#include "platform/Files.h"
#include "platform/Printer.h"

#include <QFont>
#include <QImage>

class QPainter;

namespace fennick {

// The Qt font for a printer font. The faces the reports name resolve to their
// metric-compatible Liberation faces, so widths in centimetres come out as the layouts
// expect: "Arial" to Liberation Sans, "Times New Roman" to Liberation Serif, and any
// spelling of Courier ("Courier New", "courrier new") to Liberation Mono.
QFont PrinterQFont(const PrinterFont& font);

// Paints page `page` of a recorded document with its texts and rules, one centimetre of
// the page being dotsPerCm dots of the painter's device. The one page painter of the
// program: printers, PDF files and windows that show a page all go through it.
void PaintPage(QPainter& painter, const PrintedDocument& doc, int page, double dotsPerCm);

class QtPrinter : public Printer {
public:
    // Resolution at which text is measured and documents are painted.
    static constexpr int kDpi = 1200;

    QtPrinter();

    double textWidth(const QString& text) const override;
    double textHeight(const QString& text = QStringLiteral("X")) const override;

    // From now on documents go to this PDF file (copies and page range kept).
    void setOutputPdf(const QString& path);
    // From now on documents go to the named printer; empty: the system's default printer.
    void setOutputPrinter(const QString& printerName = QString());

protected:
    // Paints the pages of the job's page range, as many copies as it asks for; a PDF file
    // is saved with the output's file operations. Throws VbError(err::PrinterError) when
    // the printer cannot be opened or the file not written whole.
    void deliver(const PrintedDocument& doc) override;

private:
    QImage measureDevice_;  // a paint device at kDpi, for font metrics
    QtFiles disk_;          // where a PDF file is saved while the printer is bound to no output
};

}  // namespace fennick
