#pragma once
// File, Import from Text File: names added to the open crusade from a comma-separated
// file that a spreadsheet program wrote, one name a line of nine items (registration
// number, first and last name, address, city, state, zip, telephone, e-mail). Each name
// becomes a new record at the end of the data file with fixed defaults elsewhere (on the
// mail list, present at meeting 1, no team, age group NIF, heard of the meetings by
// source P) and an entry in the current view, which is sorted again afterwards.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace fennick {

class App;
class BulkWrite;
class MainScreen;

// Items per name.
inline constexpr int kImportItems = 9;

// One name of the file as read: the line it begins on and its items.
struct ImportRow {
    int line = 0;
    QList<QByteArray> items;
};

// The file's bytes as Windows-1252: a file in UTF-8 (with or without its byte-order mark)
// is converted, characters outside Windows-1252 becoming '?'; any other file is taken as
// Windows-1252 already.
QByteArray ImportBytesAs1252(const QByteArray& file);

// The rows of comma-separated text, one a line: CR LF, LF and a lone CR end lines alike,
// so that one line is one name and a line that does not hold nine items is refused on
// its own. An item in double quotes may hold commas, and "" inside it stands for one
// quote; a quote still open at the end of its line ends there. A tab or any other control
// character becomes a blank, inside quotes too, and unquoted items lose their surrounding
// blanks, so that no control character reaches a record. Empty lines give no row.
QList<ImportRow> SplitCsvRows(const QByteArray& text);

// The new record for nine items: each item cut or padded to its field, the defaults
// elsewhere. The registration number is item 1 as it stands.
AttendeeRecord ImportedRecord(const QList<QByteArray>& items);

// The registration number that item 1 gives: 1 to 4 digits naming 1..9999, as four
// digits with leading zeros; empty when it gives none.
QByteArray ImportedNumber(const QByteArray& item);

// Adds the names of the file's bytes to the data file and the view: a line that does not
// hold nine items, and a name that is a person on file (SamePerson: its number and
// names), are left out; a name whose number is missing or held takes the next reserved
// number. Stops when a record is not written or no number is left to give; the names
// added before stay. after runs the steps that follow the names (the sorted view, the
// zip table) through the same writes. Returns the one closing message.
QString ImportNames(App& app, const QByteArray& file, const std::function<void(BulkWrite&)>& after = {});

// The menu command: notice, file dialog, confirmation, import, then the sorted view and
// the record at its position on the main window, the rebuilt zip table, and the summary.
void mnuImportText_Click(App& app, MainScreen& form);

}  // namespace fennick
