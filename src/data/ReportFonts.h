#pragma once
// The printer fonts of the printed reports. They are fixed descriptions, the same for
// every crusade, so reports can use them whether or not a crusade is loaded.

#include "platform/Printer.h"

namespace fennick {

struct ReportFonts {
    PrinterFont FontArial14;
    PrinterFont FontArial13U;
    PrinterFont FontArial13BU;
    PrinterFont FontArial10U;
    PrinterFont FontCourier7B;
    PrinterFont FontTimes8;
    PrinterFont FontTimes10;
    PrinterFont FontTimes8B;
    PrinterFont FontArial28B;
    PrinterFont FontTimes12;
    // The face keeps its historical spelling "courrier new"; the printer resolves it to a
    // Courier face.
    PrinterFont FontCourier8;
};

// The eleven report fonts, made once and kept for the whole run.
const ReportFonts& TheReportFonts();

}  // namespace fennick
