#include "attendance/VisitCodeEntry.h"

#include "data/App.h"
#include "data/AttendeeRecord.h"
#include "data/Text.h"

#include <algorithm>
#include <cmath>

namespace fennick {

namespace {

const char kLetters[] = "HPMD";
const char* const kCaptions[] = {"Home", "Phone", "Meeting", "Drop Pkt"};

}  // namespace

VisitCodeEntry::VisitCodeEntry(App& app) : app_(app) {}

QString VisitCodeEntry::typeCaption(int i) {
    return i >= 0 && i < kTypes ? QLatin1String(kCaptions[i]) : QString();
}

QChar VisitCodeEntry::typeLetter(int i) {
    return i >= 0 && i < kTypes ? QLatin1Char(kLetters[i]) : QChar();
}

void VisitCodeEntry::Form_Load() {
    tVNum = Plain(app_.settings.LastMeeting);
    const QString letter = app_.msg.MsgText.toUpper();
    type = -1;
    for (int i = 0; i < kTypes; ++i)
        if (letter == typeLetter(i)) type = i;
}

void VisitCodeEntry::step(int by) {
    // A meeting night: the buttons stop at 1 and 40.
    const int n = int(std::clamp(std::floor(Val(tVNum)), 0.0, double(kMeetings)));
    tVNum = Plain(std::clamp(n + by, 1, kMeetings));
}

void VisitCodeEntry::btnMinus_Click() {
    step(-1);
}

void VisitCodeEntry::btnPlus_Click() {
    step(1);
}

void VisitCodeEntry::optVType_Click(int i) {
    if (i >= 0 && i < kTypes) type = i;
}

void VisitCodeEntry::Form_Unload() {
    // The type chosen gives the letter; without one the caller's letter stays.
    QString& m = app_.msg.MsgText;
    if (type >= 0) m = typeLetter(type);
    m += tVNum;
}

}  // namespace fennick
