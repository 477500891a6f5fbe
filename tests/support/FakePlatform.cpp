#include "FakePlatform.h"

#include "data/Errors.h"

namespace fennick::test {

void FakePrinter::deliver(const PrintedDocument& doc) {
    if (failDeliveries > 0) {
        --failDeliveries;
        throw VbError(err::PrinterError, QStringLiteral("Printer error"));
    }
    RecordingPrinter::deliver(doc);
}

TestApp::TestApp() : app(Platform{dialogs, printer, sound, help, shell, store, clock, busy, files, network}) {
    app.program.ProgramDir = dir.path();
}

TestApp::TestApp(Printer* otherPrinter)
    : app(Platform{dialogs, otherPrinter ? *otherPrinter : printer, sound, help, shell, store, clock, busy, files, network}) {
    app.program.ProgramDir = dir.path();
}

}  // namespace fennick::test
