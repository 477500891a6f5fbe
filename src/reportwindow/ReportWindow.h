#pragma once
// The report window without its display: loading, activation and closing, the title of a
// view and its first page (PreviewReport), the master list, the scroll keys, the cut-off
// arrows and the small buttons. Each procedure works on the window's state; the window
// (PrintReports) turns events into these calls and shows the state afterwards.

#include "reportwindow/PrintReportsState.h"

#include <QString>
#include <QStringList>

namespace fennick {

class App;
class MainScreen;

// Every opening: the boxes and options from the settings (Include 'F' clear), the captions
// of the team and decision buttons, then the first preview of the view the opener set.
void Form_Load(App& app, PrintReportsState& w);
// Each activation: the cut-off box again (unless disabled), then the page; a view that
// another window replaced meanwhile is previewed afresh.
void Form_Activate(App& app, PrintReportsState& w);
// Closing: a name the main window edits from the page is saved first, as the main window
// saves it; when its rules refuse the save (after their message) the window stays and
// false is returned. Then the printer's unfinished document is dropped, Include 'F' is
// cleared, and the main window takes over (ReturnToEditForm), with the cut-off the window
// shows when its Disable box is ticked.
bool Form_Unload(App& app, PrintReportsState& w, MainScreen& editForm);

// Titles the current view with its count and draws its first page. A kind without a
// title of its own previews the master list instead.
void PreviewReport(App& app, PrintReportsState& w);
// The title of a view kind (the kind word and the number it carries, as SplitViewKind
// gives them), without the count; a null text for a kind that has no title.
QString PreviewTitle(const App& app, const PrintReportsState& w, const QString& kind, const QString& number);
// The kind words of the title table, in table order.
QStringList PreviewTitleKinds();

// Draws the page at the scroll bar's position into Info, noting what a click will mean.
void showScrollInfo(App& app, PrintReportsState& w);
// A list without names: the message stands in place of the page, and no line of an
// earlier page is left for a click to act on.
void ShowEmptyList(PrintReportsState& w, const QString& message);

// "Master List": rebuilds the master list in the chosen order (by team when Teams is
// ticked) and previews it.
void MasterListButton_Click(App& app, PrintReportsState& w);
// All decision and church options unselected.
void ClrDecisions(PrintReportsState& w);

// The cut-off arrows raise the cut-off up to the meeting before the last, or lower it
// down to 0, in the cut-off box.
void btnVscrollUp_Click(App& app, PrintReportsState& w);
void btnVScrollDn_Click(App& app, PrintReportsState& w);

// Key codes of the scroll bar's keys.
namespace previewkey {
inline constexpr int Escape = 27, PageUp = 33, PageDown = 34, F1 = 112, F2 = 113;
}
// A key on the scroll bar: F1 help, Esc closes, F2, Page Up and Page Down do nothing.
// Returns true when the key was taken; false leaves it to the scroll bar.
bool VScroll1_KeyDown(App& app, PrintReportsState& w, int keyCode);
void VScroll1_Change(App& app, PrintReportsState& w);
// The title cannot be edited in place: the focus goes to the scroll bar.
void CrTitleBox_Click(PrintReportsState& w);

// "Statistics": the crusade statistics window, once it exists.
void Command1_Click(App& app);
// How visits are entered by clicks on the page.
void HelpButton_Click(App& app);
// "Close Preview".
void CloseBut_Click(PrintReportsState& w);
// "Save Filter on Exit" changed: ticked keeps the view after closing.
void ChkSaveFilter_Click(App& app, PrintReportsState& w);
// Sets the box from code, which runs its Click rule when the value changes.
void SetChkSaveFilter(App& app, PrintReportsState& w, bool ticked);

// Messages of the window.
inline const QString kPreviewEmptyText =
    QStringLiteral("There are no names in this filter to view.\r\n\r\nEither select a lower Cut Off point or a "
                   "different Filter.");
inline const QString kPreviewKeysHelp = QStringLiteral("Help for Viewing Reports");
inline const QString kMasterListHint = QStringLiteral("# -Baptism Date Set");

}  // namespace fennick
