#include "platform/ui/QtPrinter.h"

#include "data/Errors.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <vector>

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

double CmToDots(double cm, int dpi) {
    return cm / kCmPerInch * dpi;
}

void PaintItem(QPainter& painter, const PrintedItem& it, int dpi) {
    if (it.kind == PrintedItem::Kind::Line) {
        QPen pen(Qt::black, std::max(1.0, it.drawWidth * dpi / kDrawWidthDpi));
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(CmToDots(it.x, dpi), CmToDots(it.y, dpi)),
                         QPointF(CmToDots(it.x2, dpi), CmToDots(it.y2, dpi)));
        return;
    }
    const QFont font = PrinterQFont(it.font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Positions name the top of the text; QPainter draws on the baseline.
    const QFontMetricsF fm(font, painter.device());
    painter.drawText(QPointF(CmToDots(it.x, dpi), CmToDots(it.y, dpi) + fm.ascent()), it.text);
}
}  // namespace

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
    return fm.horizontalAdvance(text) / measureDevice_.logicalDpiX() * kCmPerInch;
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

    QPrinter printer(QPrinter::HighResolution);
    if (j.toPdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(j.pdfPath);
    } else if (!j.printerName.isEmpty()) {
        printer.setPrinterName(j.printerName);
    }
    printer.setResolution(kDpi);
    printer.setDocName(QStringLiteral("Fennick"));
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    // A printer that cannot make copies itself gets each copy painted in turn.
    const int copies = std::max(1, j.copies);
    printer.setCopyCount(copies);
    const int rounds = printer.supportsMultipleCopies() ? 1 : copies;
    if (rounds > 1) printer.setCopyCount(1);

    std::vector<std::vector<const PrintedItem*>> pages(doc.pageCount + 1);
    for (const PrintedItem& it : doc.items)
        if (it.page >= first && it.page <= last) pages[it.page].push_back(&it);

    QPainter painter;
    if (!painter.begin(&printer)) throw VbError(err::PrinterError, QStringLiteral("Printer error"));
    painter.setRenderHint(QPainter::Antialiasing);
    const int dpi = printer.resolution();
    bool firstSheet = true;
    for (int r = 0; r < rounds; ++r) {
        for (int p = first; p <= last; ++p) {
            if (!firstSheet) printer.newPage();
            firstSheet = false;
            for (const PrintedItem* it : pages[p]) PaintItem(painter, *it, dpi);
        }
    }
    painter.end();
}

}  // namespace fennick
