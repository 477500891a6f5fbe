#pragma once
// The name-and-number files for a word processor's mail merge: registration numbers with
// first and last names, tab-separated under the header "Reg Number", "FName", "LName",
// sorted by last name and then first name. They are made from the whole crusade, not from
// the current view, which they leave alone.

#include <QByteArray>
#include <QList>

namespace fennick {

class App;

// A list entry in the layout of a church member line: the number right-aligned in 4, the
// last name in 15 and the first name in 15, each trimmed first (longer names are cut).
QByteArray NameNumberEntry(const QByteArray& rnum, const QByteArray& lastName, const QByteArray& firstName);

// The entries of every live record, in name order; with members, the church member list's
// entries too, before the records' (so among equal names the members come first).
QList<QByteArray> NameNumberList(App& app, bool withMembers);

// Only the entries whose (first name, last name) also belongs to the entry before or after
// them, in order. The list must be in name order.
QList<QByteArray> RepeatedNames(const QList<QByteArray>& sorted);

// The whole file: the header and one line per entry.
QByteArray NameNumberFile(const QList<QByteArray>& entries);

}  // namespace fennick
