#include "platform/ui/QtPrinter.h"

#include "data/Errors.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace fennick {

namespace {
constexpr double kCmPerInch = 2.54;
// A draw width of 1 is one dot of a 300 dpi printer.
constexpr double kDrawWidthDpi = 300.0;

QString ResolvedFamily(const QString& face, QFont::StyleHint& hint) {
    const QString f = face.trimmed().toLower();
    if (f.contains(QLatin1String("cour"))) {
        hint = QFont::TypeWriter;
        return QStringLiteral("Liberation Mono");
    }
    if (f.contains(QLatin1String("arial"))) {
        hint = QFont::SansSerif;
        return QStringLiteral("Liberation Sans");
    }
    if (f.contains(QLatin1String("times"))) {
        hint = QFont::Serif;
        return QStringLiteral("Liberation Serif");
    }
    hint = QFont::AnyStyle;
    return face;
}

// Paints the pages first..last of doc on device, rounds times over. Throws VbError
// (err::PrinterError) when the device cannot be painted on.
void PaintPages(QPagedPaintDevice& device, const PrintedDocument& doc, int first, int last, int rounds) {
    QPainter painter;
    if (!painter.begin(&device)) throw VbError(err::PrinterError, QStringLiteral("Printer error"));
    painter.setRenderHint(QPainter::Antialiasing);
    const double dotsPerCm = device.logicalDpiX() / kCmPerInch;
    bool firstSheet = true;
    for (int r = 0; r < rounds; ++r) {
        for (int p = first; p <= last; ++p) {
            if (!firstSheet && !device.newPage()) throw VbError(err::PrinterError, QStringLiteral("Printer error"));
            firstSheet = false;
            PaintPage(painter, doc, p, dotsPerCm);
        }
    }
    if (!painter.end()) throw VbError(err::PrinterError, QStringLiteral("Printer error"));
}

}  // namespace

void PaintPage(QPainter& painter, const PrintedDocument& doc, int page, double dotsPerCm) {
    // Fonts are sized in points for the device's own resolution; the painter is scaled so
    // that one centimetre of the page comes out as dotsPerCm device dots.
    const QPaintDevice* device = painter.device();
    const double deviceDotsPerCm = (device ? device->logicalDpiX() : 96) / kCmPerInch;
    const double scale = dotsPerCm / deviceDotsPerCm;
    painter.save();
    painter.scale(scale, scale);
    auto at = [deviceDotsPerCm](double xCm, double yCm) {
        return QPointF(xCm * deviceDotsPerCm, yCm * deviceDotsPerCm);
    };
    for (const PrintedItem& it : doc.items) {
        if (it.page != page) continue;
        if (it.kind == PrintedItem::Kind::Line) {
            // A draw width of 1 is one dot of a 300 dpi printer; never thinner than a dot.
            const double width = std::max(1.0 / scale, it.drawWidth * kCmPerInch / kDrawWidthDpi * deviceDotsPerCm);
            QPen pen(Qt::black, width);
            pen.setCapStyle(Qt::SquareCap);
            painter.setPen(pen);
            painter.drawLine(at(it.x, it.y), at(it.x2, it.y2));
            continue;
        }
        const QFont font = PrinterQFont(it.font);
        painter.setFont(font);
        painter.setPen(Qt::black);
        // Positions name the top of the text; QPainter draws on the baseline. A condensed
        // text is the same font drawn narrower.
        const QFontMetricsF fm(font, painter.device());
        const QPointF baseline = at(it.x, it.y) + QPointF(0, fm.ascent());
        if (it.font.stretch == 100) {
            painter.drawText(baseline, it.text);
            continue;
        }
        painter.save();
        painter.translate(baseline);
        painter.scale(StretchFactor(it.font), 1.0);
        painter.drawText(QPointF(0, 0), it.text);
        painter.restore();
    }
    painter.restore();
}

QFont PrinterQFont(const PrinterFont& f) {
    QFont::StyleHint hint = QFont::AnyStyle;
    const QString family = ResolvedFamily(f.face, hint);
    QFont q;
    q.setFamilies({family, f.face});
    q.setStyleHint(hint, QFont::PreferOutline);
    q.setPointSizeF(f.size);
    q.setBold(f.bold);
    q.setUnderline(f.underline);
    q.setItalic(f.italic);
    q.setHintingPreference(QFont::PreferNoHinting);
    return q;
}

QtPrinter::QtPrinter() : measureDevice_(1, 1, QImage::Format_RGB32) {
    const int dotsPerMeter = qRound(kDpi / (kCmPerInch / 100.0));
    measureDevice_.setDotsPerMeterX(dotsPerMeter);
    measureDevice_.setDotsPerMeterY(dotsPerMeter);
}

double QtPrinter::textWidth(const QString& text) const {
    const QFontMetricsF fm(PrinterQFont(font()), &measureDevice_);
    return fm.horizontalAdvance(text) / measureDevice_.logicalDpiX() * kCmPerInch * StretchFactor(font());
}

double QtPrinter::textHeight(const QString&) const {
    const QFontMetricsF fm(PrinterQFont(font()), &measureDevice_);
    return fm.lineSpacing() / measureDevice_.logicalDpiY() * kCmPerInch;
}

void QtPrinter::setOutputPdf(const QString& path) {
    PrinterChoice j = job();
    j.toPdf = true;
    j.pdfPath = path;
    setJob(j);
}

void QtPrinter::setOutputPrinter(const QString& printerName) {
    PrinterChoice j = job();
    j.toPdf = false;
    j.pdfPath.clear();
    j.printerName = printerName;
    setJob(j);
}

void QtPrinter::deliver(const PrintedDocument& doc) {
    const PrinterChoice& j = job();
    const int first = std::max(1, j.fromPage);
    const int last = std::min(doc.pageCount, j.toPage);
    if (first > last) return;  // no page of the document lies in the chosen range
    const int copies = std::max(1, j.copies);
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());

    if (j.toPdf) {
        // The file is made in memory and saved whole: a disk that fills half way leaves the
        // file that was there as it was, never half a document under its name.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setResolution(kDpi);
            writer.setTitle(QStringLiteral("Fennick"));
            writer.setCreator(QStringLiteral("Fennick"));
            writer.setPageLayout(letter);
            PaintPages(writer, doc, first, last, copies);
        }
        Files& files = output() ? output()->files() : disk_;
        if (const FileResult r = files.save(j.pdfPath, pdf.data()); !r.ok())
            throw VbError(err::PrinterError, r.description);
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    if (!j.printerName.isEmpty()) printer.setPrinterName(j.printerName);
    printer.setResolution(kDpi);
    printer.setDocName(QStringLiteral("Fennick"));
    printer.setFullPage(true);
    printer.setPageLayout(letter);
    // A printer that cannot make copies itself gets each copy painted in turn.
    printer.setCopyCount(copies);
    const bool byPrinter = printer.supportsMultipleCopies();
    if (!byPrinter) printer.setCopyCount(1);
    PaintPages(printer, doc, first, last, byPrinter ? 1 : copies);
}

}  // namespace fennick
