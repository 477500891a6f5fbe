#pragma once
// File, Merge Files: the live records of another crusade appended to the open one (the
// master file). A record that is the same person as a live record of the master
// (SamePerson: its number and its first and last names) is left out; one whose number a
// live record holds, or that has none, is added under the next free reserved number. The
// other crusade's church member list is merged by member number, and a master named
// "Master" writes the statistics data file. The other crusade's files are only read.

#include "data/AttendeeRecord.h"

#include <QList>

namespace fennick {

class App;
class BringingIn;
class MainScreen;

// Appends the live records of other to the data file and the current view through in,
// each that is no person of the master (BringingIn::samePerson), and leaves out the rest
// with why (deleted, the same person on file, the data file full). A record not written, or
// no number left to give, stops it (the BulkWrite of in names the record and the rest);
// what was appended before stays. The numbers drawn are written to the settings file.
void MergeCrusadeRecords(const QList<AttendeeRecord>& other, BringingIn& in);

// The menu command.
void mnuMerge_Click(App& app, MainScreen& form);

}  // namespace fennick
