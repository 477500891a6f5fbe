#include "printing/MailLabels.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "printing/PrintCommons.h"
#include "views/MailViews.h"

#include <array>

namespace fennick {

namespace {

constexpr int kAcross = 3;
constexpr int kPerSheet = 30;
constexpr double kRowPitch = 2.52;
constexpr std::array<double, kAcross> kColumns{0.5, 7.5, 14.5};
constexpr double kFirstRow = 1.0;

// The decision's title for a decision view, by the number its kind ends with.
QString DecisionTitle(const App& app, const QString& number) {
    const int n = int(Val(number));
    return n >= 1 && n <= kDecisionCount ? app.settings.DecisionNames[size_t(n)] : QString();
}

}  // namespace

MailLabel MailLabelOf(const AttendeeRecord& rec) {
    const QString city = FromAnsi(rec.City.trimmed());
    return {
        FromAnsi(rec.FName.trimmed()) + QLatin1Char(' ') + FromAnsi(rec.LName.bytes()), FromAnsi(rec.Address.bytes()),
        city + QStringLiteral(", ") + FromAnsi(rec.State.bytes()) + QStringLiteral("  ") + FromAnsi(rec.Zip.bytes()),
        city};
}

QString MailLabelNoticeLine(const App& app) {
    const auto [kind, number] = SplitViewKind(app.view.ReportKind);
    const QString night = Right(app.view.ReportKind, 2);
    const QString selected = QStringLiteral("You have selected the ");
    if (kind == QLatin1String("alphafilter"))
        return QStringLiteral("You have selected to ELIMINATE those who have not attended since meeting ") +
               Plain(app.settings.PrintCutOff) + QStringLiteral(".") + NewLine;
    if (kind == QLatin1String("interest")) return selected + QStringLiteral("PRIORITY INTEREST LIST filter") + NewLine;
    if (kind == QLatin1String("baptism")) return selected + QStringLiteral("BAPTISM LIST filter") + NewLine;
    if (kind == QLatin1String("marked")) return selected + QStringLiteral("MARKED NAMES  filter") + NewLine;
    if (kind == QLatin1String("attend")) return selected + QStringLiteral("ATTENDANCE filter") + NewLine;
    if (kind == QLatin1String("attendnight"))
        return selected + QStringLiteral("ATTEND A NIGHT filter for those who attended meeting: ") + night +
               QStringLiteral(" .");
    if (kind == QLatin1String("missednight"))
        return selected + QStringLiteral("MISSED MEETINGS  filter for those who have missed the last") + night +
               QStringLiteral(" meetings.");
    if (kind == QLatin1String("TotalAttend")) return selected + QStringLiteral("TOTAL ATTENDANCE Filter.");
    if (kind == QLatin1String("SelWCAttend")) return selected + QStringLiteral("NAMES ASSIGNED TO TEAM ") + number + NewLine;
    if (kind == QLatin1String("decisions"))
        return selected + QStringLiteral("DECISION: ") + DecisionTitle(app, number).toUpper() + NewLine;
    if (kind == QLatin1String("PreCrusade")) return selected + QStringLiteral("PreCrusade List.") + NewLine;
    return QString();
}

namespace {

// The labels of the view from the first chosen sheet to the last chosen one or to the end
// of the view.
void DrawLabels(App& app, int firstSheet, int lastSheet) {
    Printer& p = app.printer();
    const CurrentView& v = app.view;
    const double right = app.program.LabelOffsetRight / 10.0;
    const double top = app.program.LabelOffsetDown / 10.0 + kFirstRow;
    p.setFont(ReportFont(1));

    // The labels of the sheets before the first one chosen are skipped, not printed.
    int taken = firstSheet > 1 ? (firstSheet - 1) * kPerSheet : 0;
    int sheet = std::max(1, firstSheet);
    int onSheet = 0;
    double y = top;
    while (taken < v.ReportCount) {
        if (onSheet == kPerSheet) {
            // A full sheet: the next begins only now that a label follows.
            if (sheet >= lastSheet) break;
            onSheet = 0;
            p.newPage();
            p.print();
            p.setFont(ReportFont(1));
            y = top;
            ++sheet;
        }
        std::array<MailLabel, kAcross> row{};
        for (size_t c = 0; c < kAcross && taken < v.ReportCount; ++c) {
            ++taken;
            ++onSheet;
            row[c] = MailLabelOf(ReadRecord(app, v.recordNumberAt(taken)));
        }
        p.setCurrentY(y);
        y += kRowPitch;
        for (QString MailLabel::*line : {&MailLabel::line1, &MailLabel::line2, &MailLabel::line3}) {
            for (size_t c = 0; c < kAcross; ++c) {
                p.setCurrentX(right + kColumns[c]);
                // A line stops where the next label begins, or at the printable area; the
                // state and zip of the last line are whole.
                const double end = c + 1 < kAcross ? right + kColumns[c + 1] : Printer::kPrintableRightCm;
                if (line == &MailLabel::line3)
                    p.printOnLine(row[c].city, row[c].line3.mid(row[c].city.size()), end);
                else
                    p.printOnLine(row[c].*line, end, Printer::Fit::Cut);
            }
            p.print();
        }
    }
}

}  // namespace

void prnMailLabels(App& app, bool mailListOnly, const std::function<void()>& previewReport) {
    CurrentView& v = app.view;
    QString notice = MailLabelNoticeLine(app);
    const bool mailList = notice.isNull();
    if (mailList) {
        BusyGuard busy(app.platform.busy);
        IndexMailList(app);
        notice = QStringLiteral("You have selected ALL NAMES ON THE MAIL LIST.") + NewLine;
    }
    const int sheets = (v.ReportCount + kPerSheet - 1) / kPerSheet;
    if (mailListOnly) notice += QStringLiteral("All names not on the mail list have been removed.") + NewLine;
    notice += Plain(v.ReportCount) + QStringLiteral(" Mail Labels are being sent to the printer.") + NewLine +
              QStringLiteral("You will need ") + Plain(sheets) + QStringLiteral(" pages of labels.") + NewLine + NewLine +
              QStringLiteral("Make sure the lables are loaded in the printer and the printer is on.") + NewLine +
              NewLine;
    // The cut-off is named only when the list printed left out the names before it.
    if (v.CutOffApplied)
        notice += QStringLiteral("Labels will not be printed for those who have not attended since meeting number: ") +
                  Plain(app.settings.PrintCutOff) + NewLine + NewLine;
    notice += QStringLiteral("Is this what you want to do?");
    app.msg.MsgText = notice;
    app.msg.ScratchVar = Plain(sheets);

    // The page shows the view it came from until the labels are printed; a view replaced
    // by the mail list is shown whatever the answers.
    auto redrawIfReplaced = [&] {
        if (mailList && previewReport) previewReport();
    };
    const int answer = app.dialogs().msgBox(notice, Buttons::YesNo);
    app.msg.MsgAnswer = QString::number(answer);
    if (answer != AnsYes) return redrawIfReplaced();

    int fromPage = 1;
    int toPage = 1000;
    int copies = 1;
    if (!SelPrinter(app, fromPage, toPage, copies)) return redrawIfReplaced();
    Printer& p = app.printer();
    PrinterChoice job = p.job();
    job.fromPage = 1;
    job.toPage = 1000;
    p.setJob(job);

    p.killDoc();  // nothing left over from an earlier report
    try {
        BusyGuard busy(app.platform.busy);
        DrawLabels(app, fromPage, toPage);
        p.endDoc();
    } catch (...) {
        p.killDoc();
        throw;
    }
    if (previewReport) previewReport();
}

}  // namespace fennick
