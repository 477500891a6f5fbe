#include "printing/InterestCards.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "printing/PrintCommons.h"
#include "views/Indexes.h"
#include "views/VisitationViews.h"

#include <array>
#include <cmath>

namespace fennick {

namespace {

constexpr int kPerSheet = 10;
constexpr double kFirstRow = 1.0;
constexpr double kRowPitch = 5.08;  // two inches: the height of a card
constexpr double kColumn1 = 0.55;
constexpr double kColumn2 = 11.0;
constexpr double kSecondItem = 5.0;  // from the column's edge
constexpr double kTeamItem = 7.0;
// What a line of a card may take across: a four-inch card less its margins.
constexpr double kCardTextWidth = 9.9;

const QString kIntCard = QStringLiteral("IntCard");
// The captions of the card's church and media.
const QString kReligion = QStringLiteral("Religion: ");
const QString kMedia = QStringLiteral("Adv: ");

QString Text(const QByteArray& bytes) {
    return FromAnsi(bytes);
}

// The line that announces the cards, by the selection code.
QString ConfirmationLine(int code) {
    switch (code) {
    case 1:
    case 3:
        return QStringLiteral("Interest Card Labels for all Active names are being sent to the printer.");
    case 4:
        return QStringLiteral("Interest Card Labels for all names Assigned to Teams are being sent to the printer.");
    case 5:
        return QStringLiteral(
            "Interest Card Labels for all Active names Assigned to Teams are being sent to the printer.");
    default:
        return QStringLiteral("InterestCard Labels for all names are being sent to the printer.");
    }
}

bool AskYesNo(App& app, const QString& question) {
    return app.dialogs().msgBox(question, Buttons::YesNo) == AnsYes;
}

// A kept view narrowed by the two questions (the first not for the total attendance) and
// re-keyed as the interest-card view keys its entries: team, last and first name.
void NarrowKeptView(App& app) {
    CurrentView& v = app.view;
    int code = 0;
    bool fourNights = false;
    if (v.ReportKind != QLatin1String("TotalAttend")) {
        fourNights = AskYesNo(
            app, QStringLiteral("You can print card labels for all names or you can") + NewLine +
                     QStringLiteral("limit the cards printed to those who have attended 4 or more times.") + NewLine +
                     NewLine +
                     QStringLiteral("Do you want to limit the cards printed to those who have attended 4 or more times?"));
        if (fourNights) code = 1;
    }
    const bool withTeam = AskYesNo(
        app, QStringLiteral("You can also limit the cards printed to include ") + NewLine +
                 QStringLiteral("only those who have an assigned Team Code.") + NewLine + NewLine +
                 QStringLiteral("Do you want to limit the cards printed to those who have an assigned Team Code?"));
    code += withTeam ? 4 : 2;
    app.msg.ScratchVar = Plain(code);

    BusyGuard busy(app.platform.busy);
    int kept = 0;
    for (int i = 1; i <= v.ReportCount; ++i) {
        const AttendeeRecord r = ReadRecord(app, v.recordNumberAt(i));
        if (fourNights && AttendCount(r) <= 3) continue;
        if (!AfterCutOff(app, r)) continue;
        if (withTeam && r.WorkerCode.bytes() == "00") continue;
        v.ReportIndex[++kept] = r.RNum.bytes() + r.WorkerCode.bytes() + AnsiUpper(r.LName.bytes()) +
                                AnsiUpper(r.FName.bytes()) + Right(v.ReportIndex[i], 4);
    }
    v.ReportIndex.resize(kept + 1);
    v.ReportCount = qint16(kept);
    v.CurIndexPos = kept > 0 ? 1 : 0;
    ++v.Generation;  // another list than the one a window may show
    SortIndex(app);
}

// The churches and the media the cards print, each kept apart from the others of its kind
// where it is cut: the church names of the crusade and every church and media text of the
// cards.
struct CardNames {
    QStringList churches;
    QStringList media;
};

CardNames CardNamesOf(const App& app, const QList<InterestCard>& cards) {
    const auto& churches = app.settings.ReligionNames;
    CardNames names{QStringList(churches.begin() + 1, churches.end()), {}};
    for (const InterestCard& card : cards) {
        names.churches << card.church.mid(kReligion.size());
        names.media << card.advertising.mid(kMedia.size());
    }
    names.churches.removeDuplicates();
    names.media.removeDuplicates();
    return names;
}

// Prints a text of a card at CurrentX, staying on the line, to end before right: the
// names and the address may be cut, the church and the media too, as names of their
// kinds after their captions, the city only up to its state and zip; the rest is whole.
void PrintCardText(Printer& p, const InterestCard& card, QString InterestCard::*field, double right,
                   const QString& prefix, const CardNames& names) {
    using Fit = Printer::Fit;
    const QString& text = card.*field;
    if (field == &InterestCard::city) {
        p.printOnLine(prefix + card.cityName, card.city.mid(card.cityName.size()), right);
    } else if (field == &InterestCard::church || field == &InterestCard::advertising) {
        const bool church = field == &InterestCard::church;
        const qsizetype caption = (church ? kReligion : kMedia).size();
        p.printOnLine({WholePart(prefix + text.left(caption)),
                       NamePart(text.mid(caption), church ? names.churches : names.media)},
                      right);
    } else {
        const bool free = field == &InterestCard::name || field == &InterestCard::address;
        p.printOnLine(prefix + text, right, free ? Fit::Cut : Fit::Whole);
    }
}

// One row of count cards (1 or 2); the row's top moves down by a card's height. The place
// of a missing card stays blank, captions and all.
void PrintRow(Printer& p, const std::array<InterestCard, 2>& cards, size_t count, double& top, double right,
              const CardNames& names) {
    const std::array<double, 2> edge{kColumn1 + right, kColumn2 + right};
    const double cardBottom = top + kRowPitch;
    p.setCurrentY(top);
    top = cardBottom;

    // Two texts of each card on one line: at the edge and at the given distance from it,
    // the first ending before the second begins, and both within the card. The card's edge
    // is a margin like the page's: unlike the next column, it needs no blank before it.
    auto line = [&](QString InterestCard::*first, QString InterestCard::*second, double at,
                    const QString& prefix = QString()) {
        for (size_t c = 0; c < count; ++c) {
            const double cardRight = edge[c] + kCardTextWidth + p.textWidth(QStringLiteral(" "));
            p.setCurrentX(edge[c]);
            PrintCardText(p, cards[c], first, second ? edge[c] + at : cardRight, prefix, names);
            if (!second) continue;
            p.setCurrentX(p.nextColumn(edge[c] + at));
            PrintCardText(p, cards[c], second, cardRight, QString(), names);
        }
        p.print();
    };
    p.setFont(ReportFont(10));
    line(&InterestCard::name, &InterestCard::team, kTeamItem);
    p.setFont(ReportFont(5));
    p.print();
    line(&InterestCard::map, &InterestCard::interest, kSecondItem, QStringLiteral("Map Code:"));
    line(&InterestCard::address, &InterestCard::age, kSecondItem);
    line(&InterestCard::city, &InterestCard::church, kSecondItem);
    line(&InterestCard::phone, &InterestCard::advertising, kSecondItem);
    line(&InterestCard::attendance, nullptr, 0);
    p.print();

    // The notes take the lines left on the card.
    const int room = std::max(1, int(std::floor((cardBottom - p.currentY()) / p.textHeight())));
    const std::array<Printer::FittedLines, 2> notes{p.fitLines(cards[0].notes, kCardTextWidth, room),
                                                    p.fitLines(cards[1].notes, kCardTextWidth, room)};
    const qsizetype lines = std::max<qsizetype>(1, std::max(notes[0].lines.size(), notes[1].lines.size()));
    for (qsizetype k = 0; k < lines; ++k) {
        for (size_t c = 0; c < 2; ++c) {
            p.setCurrentX(edge[c]);
            p.printFitted({notes[c].stretch, notes[c].lines.value(k)});
        }
        p.print();
    }
}

void DrawCards(App& app) {
    Printer& p = app.printer();
    const CurrentView& v = app.view;
    const double right = app.program.LabelOffsetRight / 10.0;
    const double firstTop = kFirstRow + app.program.LabelOffsetDown / 10.0;
    p.print();
    p.setFont(ReportFont(5));
    double top = firstTop;
    QList<InterestCard> cards;
    for (int i = 1; i <= v.ReportCount; ++i) cards << InterestCardOf(ReadRecord(app, v.recordNumberAt(i)));
    const CardNames names = CardNamesOf(app, cards);
    int onSheet = 0;
    qsizetype card = 0;
    while (card < cards.size()) {
        if (onSheet == kPerSheet) {
            // A full sheet: the next begins only now that a card follows.
            onSheet = 0;
            p.newPage();
            p.print();
            p.setFont(ReportFont(1));
            top = firstTop;
        }
        std::array<InterestCard, 2> row{};
        size_t count = 0;
        for (; count < 2 && card < cards.size(); ++count) {
            ++onSheet;
            row[count] = cards[card++];
        }
        PrintRow(p, row, count, top, right, names);
    }
}

// Marks the cards of the view on sheets from..to as printed; when a record is not written,
// one message names the records left unmarked.
void MarkPrinted(App& app, int fromSheet, int toSheet) {
    const CurrentView& v = app.view;
    BulkWrite writes(app, QStringLiteral("Marking the interest cards as printed"), kSourceFennick95);
    {
        BusyGuard busy(app.platform.busy);
        for (int i = 1; i <= v.ReportCount; ++i) {
            const int sheet = (i - 1) / kPerSheet + 1;
            if (sheet < fromSheet || sheet > toSheet) continue;
            const qint32 n = v.recordNumberAt(i);
            AttendeeRecord r = ReadRecord(app, n);
            r.CardPrinted = -1;
            writes.write(n, r);
        }
    }
    if (writes.failed())
        app.dialogs().msgBox(
            writes.report(QStringLiteral("Printing interest cards again prints the cards of the records "
                                         "not written a second time: they are not marked as printed.")),
            Buttons::OK, Icon::Exclamation);
}

}  // namespace

InterestCard InterestCardOf(const AttendeeRecord& r) {
    InterestCard c;
    c.name = Text(r.FName.trimmed()) + QLatin1Char(' ') + Text(r.LName.bytes()) + QStringLiteral("    ");
    c.team = Text(r.WorkerCode.bytes()) + QStringLiteral("/ ") + Text(r.RNum.bytes());
    const QByteArray map = r.MapCode.trimmed();
    c.map = map == "none" || map == "xxxx" ? QStringLiteral("  ") : Text(map);
    if (!r.IntLevel.trimmed().isEmpty()) c.interest = Text(r.IntLevel.bytes()) + QStringLiteral("/ ");
    c.interest += QStringLiteral("Visits: ") + Text(r.Visits.bytes());
    c.address = Text(r.Address.bytes());
    if (r.Age.rtrimmed() != "NIF") c.age = QStringLiteral("Age: ") + Text(r.Age.bytes());
    c.cityName = Text(r.City.trimmed());
    c.city = c.cityName + QStringLiteral(", ") + Text(r.State.bytes()) + QStringLiteral("  ") + Text(r.Zip.bytes());
    c.church = kReligion + Text(r.RelPref.trimmed());
    c.phone = Text(r.Phone.trimmed());
    c.advertising = kMedia + Text(r.Advertising.bytes());
    c.attendance = Text(r.Attendance.bytes()) + QStringLiteral("    Decisions: ") + Text(r.Decisions.bytes());
    c.notes = QStringLiteral("Notes: ") + Text(r.Notes.trimmed());
    return c;
}

QString InterestCardOffer(const QString& kind) {
    const QString selected = QStringLiteral("You have selected the ");
    if (kind == QLatin1String("interest")) return selected + QStringLiteral("PRIORITY INTEREST LIST filter");
    if (kind == QLatin1String("baptism")) return selected + QStringLiteral("BAPTISM LIST filter");
    if (kind == QLatin1String("marked")) return selected + QStringLiteral("MARKED NAMES  filter");
    if (kind == QLatin1String("attend")) return selected + QStringLiteral("ATTENDANCE filter");
    if (kind.startsWith(QLatin1String("missednight")))
        return selected + QStringLiteral("MISSED MEETINGS  filter for those who have missed the last") +
               Right(kind, 2) + QStringLiteral(" meetings.");
    if (kind == QLatin1String("TotalAttend")) return selected + QStringLiteral("TOTAL ATTENDANCE Filter.");
    if (kind.startsWith(QLatin1String("attendnight")))
        return selected + QStringLiteral("ATTENDED A SELECTED NIGHT Filter.");
    return QString();
}

void InterestCard2x4(App& app) {
    CurrentView& v = app.view;
    const QString offer = InterestCardOffer(v.ReportKind);
    const bool keep =
        !offer.isNull() &&
        AskYesNo(app, offer + NewLine + QStringLiteral("Is this the list that you want to print interest card labels for?"));
    if (keep) {
        NarrowKeptView(app);
    } else {
        BusyGuard busy(app.platform.busy);
        IndexInterestCards(app);
    }
    const bool cardView = v.ReportKind == kIntCard;
    // The interest-card view gives way to all names however the run ends, but for Cancel.
    auto finish = [&] {
        if (cardView) IndexAlpha(app);
    };

    if (v.ReportCount == 0) {
        app.msg.MsgText = QStringLiteral("There are no new labels to print");
        app.dialogs().msgBox(app.msg.MsgText);
        return finish();
    }
    int fromPage = 1;
    int toPage = 1000;
    int copies = 1;
    if (!SelPrinter(app, fromPage, toPage, copies)) return;

    const int sheets = std::max(1, (v.ReportCount + kPerSheet - 1) / kPerSheet);
    app.msg.MsgText = ConfirmationLine(int(Val(app.msg.ScratchVar))) + NewLine +
                      QStringLiteral("Make sure the lables are present.") + NewLine + QStringLiteral("There will be ") +
                      Plain(v.ReportCount) + QStringLiteral(" Cards printed.") + NewLine + QStringLiteral("You will need ") +
                      Plain(sheets) + QStringLiteral(" sheets of Avery 5163 (2in. x 4in.) labels.");
    if (!AskYesNo(app, app.msg.MsgText)) return finish();

    Printer& p = app.printer();
    p.killDoc();  // nothing left over from an earlier report
    bool delivered = false;
    try {
        BusyGuard busy(app.platform.busy);
        DrawCards(app);
        delivered = EndListDocument(app, fromPage);
    } catch (...) {
        p.killDoc();
        throw;
    }
    if (cardView && delivered) MarkPrinted(app, fromPage, toPage);
    finish();
}

}  // namespace fennick
