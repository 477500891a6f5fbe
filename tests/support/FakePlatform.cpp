#include "FakePlatform.h"

namespace fennick::test {

TestApp::TestApp() : app(Platform{dialogs, printer, sound, help, shell, store, clock, busy}) {
    app.program.ProgramDir = dir.path();
}

TestApp::TestApp(Printer* otherPrinter)
    : app(Platform{dialogs, otherPrinter ? *otherPrinter : printer, sound, help, shell, store, clock, busy}) {
    app.program.ProgramDir = dir.path();
}

}  // namespace fennick::test
