#pragma once
// Interest cards: one card label per chosen attendee on sheets of 2 in. x 4 in. labels,
// two across and five down, shifted on the sheet by LabelOffsetDown and LabelOffsetRight
// (millimetres). The cards come from the interest-card view (the names whose card is not
// printed yet), whose printed records are then marked (CardPrinted), or from one of seven
// filtered views kept at the user's choice, whose records are not marked.
//
// Display-free: questions and the printer dialog go through the Dialogs. The printer
// dialog's pages (sheets) and copies are the printer's job; a first sheet past the last
// one prints nothing and says "Print Error". A new sheet is begun only when a card
// follows, so a full last sheet feeds no blank one.

#include "data/AttendeeRecord.h"

#include <QString>

namespace fennick {

class App;

// The texts of one card; a card not filled (the right-hand place of a last odd card) has
// them all empty.
struct InterestCard {
    QString name;        // first name, a blank, the last name in 20, four blanks
    QString team;        // team code, "/ ", registration number
    QString map;         // the map code; two blanks for "none" and "xxxx"
    QString interest;    // the level and "/ " when there is one, then "Visits: " and the visits
    QString address;
    QString age;         // "Age: " and the age group; empty for "NIF"
    QString city;        // city, ", ", state, two blanks, zip
    QString cityName;    // the city that city begins with: all of it that may be cut
    QString church;      // "Religion: " and the church preference
    QString phone;
    QString advertising; // "Adv: " and the media
    QString attendance;  // the nights, four blanks, "Decisions: " and the decisions
    QString notes;       // "Notes: " and the notes
};
InterestCard InterestCardOf(const AttendeeRecord& rec);

// The first line of the question that offers the current view for the cards, or a null
// text when the view is not one of the seven offered.
QString InterestCardOffer(const QString& reportKind);

// The "&Interest Card Labels" command: offers the current view when it is one of the
// seven, else (or at No) builds the interest-card view with its own two questions; a
// kept view is narrowed by the questions on four nights and on team codes and re-keyed
// by team and name. Then "There are no new labels to print" for an empty list, or the
// printer dialog, the confirmation with the sheet count and the cards. Cards printed
// from the interest-card view are marked once the document is delivered, only those on
// the sheets printed; that view then gives way to the alphabetical view (Cancel in the
// printer dialog leaves it). A record that cannot be read, or a delivery that fails,
// discards the document and is thrown as VbError before any card is marked.
void InterestCard2x4(App& app);

}  // namespace fennick
