#pragma once
// The views for mailings and address cleaning: the mail list by zip, the people who
// share an address, the households whose mail labels need attention, and all names by
// zip code and street.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QString>

namespace fennick {

class App;

// "M0000" for a record on the mail list (MailList 1), else "N0000"; the four zeros are
// replaced by the household number in the clean-up view.
QByteArray Mark5(const AttendeeRecord& rec);

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

// "zip": the names after the meeting cut-off by zip key, street address and name.
void IndexZip(App& app);

}  // namespace fennick
