#pragma once
// A crusade whose names of one kind share their first twenty letters or more, and the
// check that a printout reads each name it prints as that name and no other of its kind:
// a cut shows the mark where text is left out, and the numbers of a name print whole.

#include "data/App.h"
#include "data/AttendeeRecord.h"
#include "platform/Printer.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <map>

namespace fennick::test {

// The names of each kind ("team", "church", "decision", "age group", "sermon", "crusade",
// "media"). Within a kind they come in families alike in their first twenty letters and
// more, told apart by a word or a number near their ends, beside a long name alike to
// none; each family begins with a word no other kind and no caption of the program begins
// a word with.
using Vocabulary = std::map<QString, QStringList>;
Vocabulary AlikeNames();

// One person in each of the forty teams, each with a church (of the twelve that fit the
// record) and media of the lists and every decision, an interview and a baptism date for
// some, marked or not, the last night attended going back from night 40.
QList<AttendeeRecord> AlikePeople(const Vocabulary& v);

// The crusade's settings, zip table and member list take the names.
void UseAlikeNames(App& app, const Vocabulary& v);

// How many names of each kind the printouts checked read, and how many of those were cut.
struct NamesRead {
    std::map<QString, int> read;
    std::map<QString, int> cut;
};

// Every name of the vocabulary that the documents print and that cannot be read as
// itself alone, with why; each name read is counted in count.
QStringList MisprintedNames(const QList<PrintedDocument>& docs, const Vocabulary& v, NamesRead& count);

}  // namespace fennick::test
