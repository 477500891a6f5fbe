#include "ExportFixture.h"

#include "RecordBuilder.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

namespace fennick::test {

namespace {

QList<AttendeeRecord> ExportRecords() {
    auto email = [](const char* address) { return [address](AttendeeRecord& r) { r.Email = address; }; };
    auto phone = [](const char* number) { return [number](AttendeeRecord& r) { r.Phone = number; }; };
    auto city = [](const char* name) { return [name](AttendeeRecord& r) { r.City = name; }; };
    return {
        Rec("0101", "John", "Smith")
            .nights("1111")
            .team("03")
            .level("A")
            .visits("H02P03")
            .map("M1")
            .bapt("4/5/26")
            .advertising("N......")
            .notes("Asked for prayer   ")
            .with(email("john@example.com")),
        Rec("0102", "Bob & Sue", "Miller")
            .nights("-1-1")
            .team("07")
            .level("B")
            .address("12 Oak St, Apt 3")
            .advertising("..P.T..")
            .notes("Call after 5, not Sunday, thanks\r\nPrays\tdaily")
            .with(email("millers@example.org")),
        Rec("0103", "Mary", "Jones")
            .nights("11")
            .mail(0)
            .address("40 Elm St")
            .advertising("   N...")
            .notes("Line one\r\nLine two\r\nLine three")
            .with(phone(" 555-0103")),
        Rec("0104", "Maximilianus-John", "Worthington-Smythe")
            .nights("1--1")
            .team("12")
            .address("")
            .with(email("max@example.com"))
            .with(city("St. Louis, East")),
        Rec("0105", "Peter", "Gone").nights("111").with(email("gone@example.com")).deleted(),
        Rec("0106", "John", "Smith").nights("---1").mail(0).address("9 Bay Rd").with(email("js2@example.com")),
        Rec("0107", "Ann", "Lee")
            .nights("1")
            .address("3 Hill Ct")
            .religion("SDA")
            .with(city("Montr\xE9"
                       "al")),
        Rec("0108", "Yvonne", "Zimmer").nights("11").address("5 Ash Ln").with(email("   ")),
        Rec("0109", "Yvonne", "Zimmer").nights("111").mail(0).address("6 Ash Ln"),
        Rec("0110", "Carl", "Abbott").nights("1111").level("G").bapt("3/1/26").address("1 Elm Ct  "),
    };
}

}  // namespace

ExportFixture::ExportFixture() : view(ExportRecords(), 4, 0), app(view.app) {
    app.program.ProgramDir = view.t.path(QStringLiteral("program"));
    app.settings.CrusadeName = QStringLiteral("Springfield, Spring 2026");
    app.crusade.FileIsOpen = true;
    app.crusade.MemberNames = {QByteArray(), QByteArray("  12Lee            Ann            "),
                               QByteArray("  41Brown          Carol          "),
                               QByteArray("  40Zimmer         Yvonne")};
    app.crusade.MemberCount = 3;
    app.hooks.editForm = &screen;
    IndexAlpha(app);
    ShowCurrentRecord(app, screen);
}

QByteArray ExportFixture::golden(const char* name) {
    return ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/") + QLatin1String(name));
}

}  // namespace fennick::test
