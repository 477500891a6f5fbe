// The printer belongs to one application object at a time, whose end every document
// passes: a second one over the same printer is refused, the first keeps its check, and
// once the first is gone the next one's check is the printer's.

#include "FakePlatform.h"
#include "data/Errors.h"
#include "data/IniFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace fennick::test {
namespace {

// Prints a page to a PDF over the application's own settings file; returns the error
// thrown (0: none).
int PrintOverTheIniFile(TestApp& t) {
    t.app.printer().setJob({1, 1, 1000, true, IniFilePath(t.app), {}});
    t.app.printer().print(QStringLiteral("a page"));
    try {
        t.app.printer().endDoc();
    } catch (const PrintFailed& e) {
        return e.number();
    }
    return 0;
}

TEST(PrintOutput, APrinterServesOneApplicationObjectAtATime) {
    FakePrinter printer;
    const auto refusedAndTold = [&printer](TestApp& t) {
        SCOPED_TRACE(t.dir.path().toStdString());
        EXPECT_EQ(PrintOverTheIniFile(t), err::PathFileAccess);
        const QString told = CommonErrorText(
            VbError(err::PathFileAccess, IniFilePath(t.app) + QStringLiteral(" is Fennick's own settings file.")),
            kSourceFennick95);
        EXPECT_EQ(t.dialogs.messages().join(u'|').toStdString(), told.toStdString());
        EXPECT_TRUE(printer.documents().isEmpty());
    };
    {
        TestApp first(&printer);
        EXPECT_THROW(TestApp second(&printer), std::logic_error);
        refusedAndTold(first);
    }
    TestApp next(&printer);
    refusedAndTold(next);
}

}  // namespace
}  // namespace fennick::test
