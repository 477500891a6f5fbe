#pragma once
// The report window's state: its form variables and the state of its boxes, options and
// captions, in one object that lives as long as the window (a new one at every opening).
// The window's procedures work on it without a display; the window shows it.

#include "reportwindow/PreviewPage.h"

#include <QString>

#include <array>

namespace fennick {

// The sort options of the master list: optSortOpt(0) and optSortOpt(1).
inline constexpr int kSortAttend = 0;
inline constexpr int kSortAlphabet = 1;

// Decision or church option buttons btnSelect(0..14) and team buttons btnTeam(0..21).
inline constexpr int kSelectButtons = 15;
inline constexpr int kTeamButtons = 22;

struct PrintReportsState {
    // --- Form variables ------------------------------------------------------------------

    // The ReportKind the window works from (a "mail" view keeps the kind it was made from).
    QString BaseMLFilter;
    // Team of the last team button (0..40).
    qint16 ActiveTeam = 0;
    // What a click on a preview line does: "E", "A", "I", "T", "V", "ML" or "M".
    QString clickSwitch;
    // The visit code a click in the visit column appends ("h07"); empty before Visit.
    QString QuickVisit;
    // The first view entry of the page last drawn; 0 after the master list, the cut-off
    // arrows and closing.
    qint16 LastVpage = 0;
    // Lines per page as the scroll bar pages: always 25 (a page shows one more).
    qint16 PageSize = kPageStep;

    // --- Captions and texts ----------------------------------------------------------------

    QString caption = QStringLiteral("Fennick PreView");  // the window's title
    QString CrTitleBox;                                     // the view's title and count
    QString txtInstructions;                                // the hint line of the list
    QString boxMailLabelIndicator;
    QString Info;  // the page: lines joined, each ending with NewLine, or a message
    bool infoVisible = true;
    QString PrintCutOffBox;  // the meeting cut-off as shown
    QString optAtCaption = QStringLiteral("Attend");
    QString OptIntMLCaption = QStringLiteral("Interest");
    QString OptVisitCaption = QStringLiteral("Visit");
    bool optAtVisible = true;
    bool OptIntMLVisible = true;
    QString PVDecisionsCaption = QStringLiteral("View Decisions");
    QString btnTeamSelCaption = QStringLiteral("21-40");
    QString PVInterestLevelToolTip;
    QString CkIncludeFToolTip;

    // --- Boxes and options -------------------------------------------------------------

    bool chkTeam = false;
    bool chkMailOpt0 = false;  // "Mail List Only"
    bool chkMailOptVisible = false;
    bool lblMailOptVisible = false;
    bool chkPrnMailLabels = false;
    bool chkDisableCutoff = false;
    bool cutOffEnabled = true;  // the cut-off box and its arrows (not while Disable is ticked)
    bool ChkSaveFilter = false;
    int optSortOpt = kSortAlphabet;
    LeftButton leftButton = LeftButton::Edit;

    // btnSelect(0..14): captions, shown or hidden, and the one selected (-1 for none).
    std::array<QString, kSelectButtons> btnSelectCaption{};
    std::array<bool, kSelectButtons> btnSelectVisible{};
    int btnSelectChosen = -1;
    // The church of the church list this window built (empty for all churches), and the
    // view it built: a church list is titled and rebuilt with it while that view stands.
    QString Church;
    quint32 churchGeneration = 0;
    bool churchChosen = false;
    // btnTeam(0..21): captions; btnTeam(20) is hidden while the second set is shown.
    std::array<QString, kTeamButtons> btnTeamCaption{};
    std::array<bool, kTeamButtons> btnTeamVisible{};

    // --- Scroll bar and page -------------------------------------------------------------

    int VScroll1 = 0;     // first view entry shown (1-based; 0 before the first page)
    int VScroll1Max = 0;  // ReportCount
    PreviewPage page;     // the lines last drawn, with their columns, for clicks on them
    quint32 viewGeneration = 0;  // the view those lines came from (CurrentView::Generation)

    // --- Requests to the window ----------------------------------------------------------

    QString focusRequest;         // the control that is to get the focus
    bool unloadRequested = false;  // the window is to be closed (and unloaded)
};

}  // namespace fennick
