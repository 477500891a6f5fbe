#include "printing/RegistrationLists.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Busy.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "printing/PrintCommons.h"
#include "views/Indexes.h"

#include <QSet>

#include <array>
#include <optional>

namespace fennick {

namespace {

// How one of the three lists is laid out.
struct Layout {
    bool tickets = false;
    bool threeBlanks = false;         // attendee entries carry three blanks after the number
    std::array<double, 3> columns{};  // left edges before the label offset
    int perColumn = 60;
    const char* footer = "";  // pages 2 on: the text before the page number
};

Layout LayoutOf(RegistrationList list) {
    switch (list) {
        case RegistrationList::Numbers:
            return {false, false, {0.5, 7.5, 14.5}, 60, "Registration List  as of Meeting #"};
        case RegistrationList::ByNumber:
            return {false, true, {0.5, 7.5, 14.5}, 60, "Registration List  as of Meeting #"};
        case RegistrationList::Tickets:
            return {true, true, {0.5, 7.0, 14.0}, 20, "Tickets for Meeting #"};
    }
    return {};
}

// The mark that ends a cut name, in Windows-1252.
constexpr char kCutMark = '\x85';

// A name in the room of its field in an entry: one too long ends in the mark, so that it
// never reads as a shorter name.
QByteArray InRoom(const QByteArray& name, int room) {
    return name.size() <= room ? name : name.left(room - 1) + kCutMark;
}

// The list's own fonts.
const PrinterFont kTimes10{QStringLiteral("Times New Roman"), 10};
const PrinterFont kArial12{QStringLiteral("Arial"), 12};

// The printer dialog of these lists: nothing is preset but the page range 1 to 1000.
// The choice becomes the printer's job; nullopt after Cancel. Other dialog errors are
// thrown.
std::optional<int> ChooseFirstPage(App& app) {
    std::optional<PrinterChoice> choice;
    try {
        choice = AskPrinter(app, PrinterDialogSpec());
    } catch (const VbError& e) {
        if (e.number() == err::Cancelled) return std::nullopt;
        throw;
    }
    if (!choice || choice->fromPage == 0) return std::nullopt;
    PrinterChoice job = *choice;
    job.copies = std::max(1, job.copies);
    job.fromPage = std::max(1, job.fromPage);
    job.toPage = std::max(job.fromPage, job.toPage);
    app.printer().setJob(job);
    return job.fromPage;
}

void DrawList(App& app, const Layout& layout, const QList<QByteArray>& entries) {
    Printer& p = app.printer();
    const double offset = app.program.LabelOffsetRight / 10.0;
    std::array<double, 3> x{};
    for (size_t c = 0; c < 3; ++c) x[c] = offset + layout.columns[c];
    const QString lastMeeting = Plain(app.settings.LastMeeting);

    int page = 1;
    int column = 1;
    int inColumn = 0;
    if (layout.tickets) {
        p.setFont(kTimes10);
        p.setCurrentY(25.0);
        p.setCurrentX(x[1]);
        p.print(QStringLiteral("Tickets for Meeting #") + lastMeeting + QStringLiteral(" p 1"));
    } else {
        p.setFont(kArial12);
        p.setCurrentY(0.5);
        p.setCurrentX(x[0]);
        p.print({NamePart(app.settings.CrusadeName),
                 WholePart(QStringLiteral(" ") + QStringLiteral("Registration List for ") +
                           HeaderDate(app.clock().today()))},
                Printer::kPrintableRightCm);
    }
    p.setCurrentY(1.2);
    p.setFont(kTimes10);
    for (const QByteArray& entry : entries) {
        if (inColumn == layout.perColumn) {
            inColumn = 0;
            if (++column > 3) {
                column = 1;
                p.newPage();
                ++page;
                p.setCurrentY(25.7);
                p.setCurrentX(x[1]);
                p.print(QString::fromLatin1(layout.footer) + lastMeeting + QStringLiteral(" p ") + Plain(page));
                p.setFont(kTimes10);
            }
            p.setCurrentY(1.2);
        }
        // A line stops where the next column begins, or at the printable area: the number
        // first, then the name, which may be cut.
        const QString line = FromAnsi(RegistrationLine(entry));
        p.setCurrentX(x[size_t(column - 1)]);
        p.print(line, column < 3 ? x[size_t(column)] : Printer::kPrintableRightCm, Printer::Fit::Cut);
        if (layout.tickets) {
            p.print();
            p.print();
        }
        ++inColumn;
    }
}

void PrintList(App& app, RegistrationList list) {
    const Layout layout = LayoutOf(list);
    const int answer =
        app.dialogs().msgBox(QStringLiteral("Do you want to include SDA members in this list?"), Buttons::YesNo,
                             Icon::None, QStringLiteral("Arrange Decisions by Interest Level or Alphabetical"));
    app.msg.MsgAnswer = QString::number(answer);
    QList<QByteArray> entries;
    {
        BusyGuard busy(app.platform.busy);
        entries = RegistrationEntries(app, list, answer == AnsYes);
    }
    const std::optional<int> fromPage = ChooseFirstPage(app);
    if (!fromPage) return;

    Printer& p = app.printer();
    p.killDoc();  // nothing left over from an earlier report
    try {
        BusyGuard busy(app.platform.busy);
        DrawList(app, layout, entries);
    } catch (...) {
        p.killDoc();
        throw;
    }
    EndListDocument(app, *fromPage);
}

}  // namespace

QList<QByteArray> RegistrationEntries(App& app, RegistrationList list, bool withMembers) {
    const Layout layout = LayoutOf(list);
    QList<QByteArray> entries(1);
    QSet<QByteArray> numbers;  // the first four characters of every entry so far
    const QList<AttendeeRecord> records = ReadAllRecords(app);
    const qint16 last = app.settings.LastMeeting;
    for (const AttendeeRecord& r : records) {
        if (r.isDeleted()) continue;
        if (layout.tickets && r.Last != last) continue;
        QByteArray e = PadLeft(r.RNum.trimmed(), 4);
        if (layout.threeBlanks) e += "   ";
        e += PadRight(InRoom(r.LName.trimmed(), 15), 15) + PadRight(InRoom(r.FName.trimmed(), 15), 15);
        numbers.insert(Left(e, 4));
        entries.append(e);
    }
    if (withMembers) {
        // A member who registered is printed once, as the attendee; of members sharing a
        // number field only the first is printed.
        const Crusade& c = app.crusade;
        for (int k = 1; k <= c.MemberCount && k < c.MemberNames.size(); ++k) {
            const QByteArray e = PadRight(c.MemberNames[k], 34);
            const QByteArray number = Left(e, 4);
            if (numbers.contains(number)) continue;
            numbers.insert(number);
            entries.append(e);
        }
    }
    SortEntries(entries, int(entries.size()) - 1, list == RegistrationList::ByNumber);
    return entries.mid(1);
}

QByteArray RegistrationLine(const QByteArray& entry) {
    QByteArray last = Mid(entry, 5, 15);
    // Where three blanks follow the number the line leaves the last name's last three
    // letters out: a name that has any there is cut, and says so.
    if (!Trim(Mid(entry, 20, std::max<int>(0, int(entry.size()) - 34))).isEmpty()) last = last.left(14) + kCutMark;
    return Left(entry, 4) + "    " + Trim(last) + ", " + Right(entry, 15);
}

void PrintRegistrationList(App& app, RegistrationList list) {
    try {
        PrintList(app, list);
    } catch (...) {
        IndexAlpha(app);
        throw;
    }
    IndexAlpha(app);
}

void mnuIntMem_Click(App& app) {
    PrintRegistrationList(app, RegistrationList::Numbers);
}

void mnunamesbynumber_Click(App& app) {
    PrintRegistrationList(app, RegistrationList::ByNumber);
}

void mnuMemIntTickets_Click(App& app) {
    PrintRegistrationList(app, RegistrationList::Tickets);
}

}  // namespace fennick
