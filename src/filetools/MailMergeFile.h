#pragma once
// The mail-merge data file for a word processor: the names of the current view under a
// header of 18 field names, tab-separated, and the description of the list that the
// question before it names.

#include <QByteArray>
#include <QString>

namespace fennick {

class App;

// What the list of a view of that kind holds, for the question before the file is written:
// "Filtered for night 07" for "attendnight07", "all names" for a kind without its own
// description. "all names" with a cut-off of 2 or more names the cut-off night too.
QString MailMergeDescription(const QString& reportKind, int printCutOff);

// The question asked before the file is written (Yes: mail-list names only, No: every
// name, Cancel: nothing). macroDocument is the file the word processor's merge macros read.
QString MailMergeQuestion(const QString& description, const QString& macroDocument);

// The whole file, from the current view: every name, or with mailListOnly only those on
// the mail list. An empty selection gives the header alone.
QByteArray MailMergeFile(App& app, bool mailListOnly);

}  // namespace fennick
