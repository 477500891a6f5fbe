#pragma once
// The registration lists and the meeting tickets: every registered name with its
// registration number (optionally joined by the church members who have not registered),
// three columns a page, by name or by number; or one ticket per person who came to the
// last meeting, twenty to a column.
//
// Each builds its list in a list of its own, never in the current view. Whatever happens
// (printed, Cancel, an error), the run ends with the alphabetical view rebuilt, so the
// main window goes back to all names; the print command that runs it saves the record on
// screen first and shows the main window's first record afterwards.
//
// Display-free: the member question and the printer dialog go through the Dialogs. Cancel
// in the printer dialog prints nothing and shows nothing; the dialog's pages and copies
// are the printer's job (a first page past the last page says "Print Error"). Any other
// error (a record that cannot be read, a failed delivery, a dialog error) discards the
// document and is thrown as VbError, for the command's common error message.

#include <QByteArray>
#include <QList>

namespace fennick {

class App;

enum class RegistrationList {
    Numbers,   // "Interest and Members Numbers": by name
    ByNumber,  // "Interest and Members by Number": by registration number
    Tickets,   // "Interest and Members Tickets": those at the last meeting, by name
};

// The list's entries in print order: the attendees and the members asked for, sorted as
// the list runs. An attendee entry is the registration number right-justified in 4
// (three blanks after it in the by-number and ticket lists), the last and the first name
// in 15 each; a member entry is the member line in 34.
QList<QByteArray> RegistrationEntries(App& app, RegistrationList list, bool withMembers);

// The printed line of an entry: number, four blanks, the last name, ", ", the first name; a
// name cut to its room ends in the mark "…".
QByteArray RegistrationLine(const QByteArray& entry);

// Asks whether to include the church members (answer in MsgAnswer), builds the list,
// asks for the printer and prints it; then rebuilds the alphabetical view.
void PrintRegistrationList(App& app, RegistrationList list);

// The three Print Reports commands.
void mnuIntMem_Click(App& app);
void mnunamesbynumber_Click(App& app);
void mnuMemIntTickets_Click(App& app);

}  // namespace fennick
