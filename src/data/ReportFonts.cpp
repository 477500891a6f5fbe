#include "data/ReportFonts.h"

namespace fennick {

namespace {
PrinterFont Font(const char* face, double size, bool bold, bool underline) {
    PrinterFont f;
    f.face = QString::fromLatin1(face);
    f.size = size;
    f.bold = bold;
    f.underline = underline;
    return f;
}
}  // namespace

const ReportFonts& TheReportFonts() {
    static const ReportFonts fonts{
        .FontArial14 = Font("Arial", 14, false, false),
        .FontArial13U = Font("Arial", 13, false, true),
        .FontArial13BU = Font("Arial", 13, true, true),
        .FontArial10U = Font("Arial", 10, false, true),
        .FontCourier7B = Font("Courier New", 7, true, false),
        .FontTimes8 = Font("Times New Roman", 8, false, false),
        .FontTimes10 = Font("Times New Roman", 10, false, false),
        .FontTimes8B = Font("Times New Roman", 8, true, false),
        .FontArial28B = Font("Arial", 28, true, false),
        .FontTimes12 = Font("Times New Roman", 12, false, false),
        .FontCourier8 = Font("courrier new", 8, false, false),
    };
    return fonts;
}

}  // namespace fennick
