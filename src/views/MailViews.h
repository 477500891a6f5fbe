#pragma once
// The views for mailings and address cleaning: the mail list by zip, the people who
// share an address, the households whose mail labels need attention, and all names by
// zip code and street.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace fennick {

class App;
struct CurrentView;

// "M0000" for a record on the mail list (MailList 1), else "N0000"; the four zeros are
// replaced by the household number in the clean-up view.
QByteArray Mark5(const AttendeeRecord& rec);
// The clean-up view's key of a record between its registration and record numbers:
// address, names, team and Mark5, with the household key given in place of the four
// zeros (characters 78-81 of the entry); an empty household leaves them.
QByteArray CleanUpSortPart(const AttendeeRecord& rec, const QByteArray& household = QByteArray());

// "mail": the records on the mail list (MailList not 0), by zip and name.
void IndexMailList(App& app);

// People who share an address, by address and name. mode "team error" gives
// "TDupAddress" (neighbours in different teams), "last name" gives "NDupAddress"
// (neighbours with different last names), anything else "DupAddress" (everyone at a
// shared address). Blank addresses and "Address Unknown" are left out.
void IndexDuplicateAddresses(App& app, const QString& mode);

// "CleanMailList": the households (addresses agreeing in their first ten characters)
// with no mail label or more than one, numbered 1 to FamilyMax in characters 78-81 of
// their entries. When every household has exactly one label the user is told so and the
// view becomes every addressed name under the kind "mail", with CurIndexPos 0.
void IndexCleanMailList(App& app);

// The household key of household n in characters 78-81 of a clean-up entry: the last
// four characters of "0000" and n with its sign place ("00 7", "0 12", " 123", "1234").
QByteArray HouseholdKey(int n);
// Characters 78-81 of an entry (empty when the entry is shorter).
QByteArray HouseholdKeyOf(const QByteArray& entry);
// The household number a key stands for: its digits, blanks left out; 0 for none.
int HouseholdNumber(const QByteArray& key);
// The entries 1..ReportCount of the view whose household key is key, in view order. A
// household may be of any size.
QList<QByteArray> HouseholdEntries(const CurrentView& view, const QByteArray& key);

// "zip": the names after the meeting cut-off by zip key, street address and name.
void IndexZip(App& app);

}  // namespace fennick
