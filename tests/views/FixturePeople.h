#pragma once
// Expected entries of the shared view fixture written by registration number: the
// builder's own pieces before and after the name, the name in one of the key's forms,
// and the record number the fixture gives that person.

#include "TextList.h"
#include "ViewFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace fennick::test {

enum class NameForm {
    First3,       // LNAME and the first three characters of FName as stored
    FirstUpper3,  // LNAME and FNAME3
    FirstUpper,   // LNAME and FNAME (20)
};

struct FixturePerson {
    const char* rnum;
    int record;
    const char* last;        // upper case
    const char* first;       // as stored
    const char* firstUpper;  // upper case
};

inline const FixturePerson& PersonOf(const char* rnum) {
    static const FixturePerson people[] = {
        {"0101", 1, "SMITH", "John", "JOHN"},
        {"0102", 2, "JOHNSON", "Mary", "MARY"},
        {"0103", 3, "JOHNSONVILLE", "Maria", "MARIA"},
        {"0104", 4, "DE LA CRUZ", "ana", "ANA"},
        {"0105", 5, "\xC1LVAREZ", "Jos\xE9", "JOS\xC9"},
        {"0108", 8, "ADAMS", "Zoe", "ZOE"},
        {"0109", 9, "BROWN", "Tom", "TOM"},
        {"0110", 10, "BROWN", "Tim", "TIM"},
        {"0111", 11, "GREEN", "Sue", "SUE"},
        {"0112", 12, "GREEN", "Sam", "SAM"},
        {"0113", 13, "HILL", "Bob", "BOB"},
        {"0114", 14, "HILL", "Ann", "ANN"},
        {"0115", 15, "NG", "Lee", "LEE"},
        {"0116", 16, "NG", "Kim", "KIM"},
        {"0117", 17, "ORTIZ", "Ray", "RAY"},
        {"0118", 18, "PRICE", "Eve", "EVE"},
        {"0119", 19, "QUINN", "Dan", "DAN"},
        {"0120", 20, "YOUNG", "Liz", "LIZ"},
        {"0121", 21, "VAN DYKE", "Ed", "ED"},
    };
    const auto* p = std::find_if(std::begin(people), std::end(people),
                                 [&](const FixturePerson& x) { return QByteArray(x.rnum) == rnum; });
    EXPECT_NE(p, std::end(people)) << rnum;
    return p == std::end(people) ? people[0] : *p;
}

// The entry of a fixture person: before, the name in the given form, after.
inline QByteArray E(const char* rnum, const QByteArray& before, NameForm form, const QByteArray& after = {}) {
    const FixturePerson& p = PersonOf(rnum);
    QByteArray name = Pad(p.last, 20);
    if (form == NameForm::First3) name += Pad(p.first, 3);
    if (form == NameForm::FirstUpper3) name += Pad(p.firstUpper, 3);
    if (form == NameForm::FirstUpper) name += Pad(p.firstUpper, 20);
    return Entry(rnum, {before, name, after}, p.record);
}

// Under "byNum" the comb sort compares whole entries, registration number first. A builder
// that sets its kind only after sorting therefore orders its view that way; one that sets
// its kind first sorts as it always does.
inline void CheckSortUnderByNum(const std::function<void(ViewFixture&)>& build, bool kindAfterSort) {
    ViewFixture usual;
    build(usual);
    ViewFixture f;
    f.app.view.ReportKind = QStringLiteral("byNum");
    build(f);
    QList<QByteArray> expected = usual.entries();
    if (kindAfterSort) std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Strings(f.entries()), Strings(expected));
}

}  // namespace fennick::test
