#pragma once
// Mailing labels: the names and addresses of the current view on sheets of adhesive
// labels, three across and ten down, thirty a sheet, shifted on the sheet by the program
// settings LabelOffsetDown and LabelOffsetRight (millimetres).
//
// Display-free: the notice and the printer dialog go through the Dialogs. The labels apply
// the printer dialog's first and last sheet themselves (the printer's job then prints every
// page of the document) and leave the copies to the job. A new sheet is begun only when a
// label follows, so a full last sheet feeds no blank one.

#include <QString>

#include <functional>

namespace fennick {

class App;

// The three lines of one label: the name, the address, the city line.
struct MailLabel {
    QString line1;
    QString line2;
    QString line3;
    QString city;  // what line3 begins with: the city, which alone of it may be cut
};
struct AttendeeRecord;
MailLabel MailLabelOf(const AttendeeRecord& rec);

// The notice's first line for the current view, or a null text when the labels are
// printed from the mail list instead of the view (which the caller then rebuilds). A
// notice line ends with NewLine unless the view is one night's attendance, the missed
// meetings or the total attendance.
QString MailLabelNoticeLine(const App& app);

// Prints the labels of the current view, or of the mail list (IndexMailList) for any kind
// that has no notice line of its own. mailListOnly adds the report window's "Mail List
// Only" line to the notice; the meeting cut-off is named there only when the list printed
// applied it (CurrentView::CutOffApplied). After the notice (Yes) and the printer dialog, the labels
// print from the first chosen sheet to the last or to the end of the view; then
// previewReport redraws the report window's page. No at the notice or Cancel in the
// printer dialog prints nothing; the page is redrawn only when the mail list replaced the
// view. Leaves the notice in MsgText, the answer in MsgAnswer and the sheets needed in
// ScratchVar. A record that cannot be read or a delivery that fails discards the
// document and is thrown as VbError.
void prnMailLabels(App& app, bool mailListOnly, const std::function<void()>& previewReport);

}  // namespace fennick
