#include "FakePlatform.h"

#include "data/Errors.h"

namespace fennick::test {

namespace {
const QString kPrinterError = QStringLiteral("Printer error");
}

void FakePrinter::deliver(const PrintedDocument& doc) {
    if (failDeliveries > 0) {
        --failDeliveries;
        throw VbError(err::PrinterError, kPrinterError);
    }
    RecordingPrinter::deliver(doc);
}

QString FailedDeliveryMessage() {
    return CommonErrorText(VbError(err::PrinterError, kPrinterError), kSourceFennick95);
}

TestApp::TestApp() : app(Platform{dialogs, printer, sound, help, shell, store, clock, busy, files, network}) {
    app.program.ProgramDir = dir.path();
}

TestApp::TestApp(Printer* otherPrinter)
    : app(Platform{dialogs, otherPrinter ? *otherPrinter : printer, sound, help, shell, store, clock, busy, files,
                   network}) {
    app.program.ProgramDir = dir.path();
}

}  // namespace fennick::test
