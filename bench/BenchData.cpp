#include "BenchData.h"

#include "data/DataStore.h"

#include <QFile>

#include <random>
#include <stdexcept>

namespace fennick::bench {

namespace {

const char* const kLastNames[] = {
    "Smith",    "Johnson",   "Williams", "Brown",      "Jones",      "Garcia",   "Miller",  "Davis",       "Rodriguez",
    "Martinez", "Hernandez", "Lopez",    "Gonzalez",   "Wilson",     "Anderson", "Thomas",  "Taylor",      "Moore",
    "Jackson",  "Martin",    "Lee",      "Perez",      "Thompson",   "White",    "Harris",  "Sanchez",     "Clark",
    "Ramirez",  "Lewis",     "Robinson", "Walker",     "Young",      "Allen",    "King",    "Wright",      "Scott",
    "Torres",   "Nguyen",    "Hill",     "de la Cruz", "\xC1lvarez", "van Dyke", "O'Brien", "Johnsonville"};
const char* const kFirstNames[] = {"James",   "Mary",    "John",      "Patricia", "Robert",  "Jennifer", "Michael",
                                   "Linda",   "William", "Elizabeth", "David",    "Barbara", "Richard",  "Susan",
                                   "Joseph",  "Jessica", "Thomas",    "Sarah",    "Charles", "Karen",    "Maria",
                                   "Jos\xE9", "ana",     "Ed",        "Lee",      "Kim"};
const char* const kStreets[] = {"Oak St", "Elm St", "Pine Rd", "Maple Ave", "Cedar Ln", "Main St", "Hill Ct", "Bay Rd"};
const char* const kChurches[] = {"Baptist", "Catholic", "Methodist", "SDA", "Lutheran", "None", "", "Pentecostal"};
const char* const kAges[] = {"NIF", "Under 18", "18-29", "30-39", "40-49", "50-59", "60-69", "70+"};
const char* const kDates[] = {"1/5/98", "12/25/03", "3/1/26", "5/4/26", "10/9/26", "12:00AM", "0/0/00", "6/15/26"};
const char kLevels[] = " ABCDEFG";
const char kVisitLetters[] = "HPVTA";
const char kTimes[] = "abcd0123456789";

AttendeeRecord Generate(std::mt19937& rng, int i) {
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    AttendeeRecord r;
    ClearRecord(r);
    r.RNum = QByteArray::number(i).rightJustified(4, '0');
    r.FName = kFirstNames[pick(std::size(kFirstNames))];
    r.LName = kLastNames[pick(std::size(kLastNames))];
    r.Address = QByteArray::number(1 + pick(3000)) + ' ' + kStreets[pick(std::size(kStreets))];
    if (pick(40) == 0) r.Address = pick(2) ? "Address Unknown" : "";
    r.City = "Springfield";
    r.State = "IL";
    r.Zip = QByteArray::number(62700 + pick(200));
    r.Phone = "555-" + QByteArray::number(1000 + pick(9000));
    r.Age = kAges[pick(std::size(kAges))];
    QByteArray adv(".......");
    for (int k = 0; k < 7; ++k)
        if (pick(5) == 0) adv[k] = "NMRTPOI"[k];
    r.Advertising = adv;
    r.RelPref = kChurches[pick(std::size(kChurches))];
    r.IntLevel = QByteArray(1, kLevels[pick(8)]);
    QByteArray visits;
    for (int k = pick(5); k > 0; --k) {
        const char letter = kVisitLetters[pick(5)];
        visits += letter;
        visits += letter == 'A' ? QByteArray(1, char('1' + pick(6))) + kTimes[pick(14)]
                                : QByteArray::number(1 + pick(kBenchLastMeeting)).rightJustified(2, '0');
    }
    r.Visits = visits.right(12);
    r.WorkerCode = QByteArray::number(pick(41)).rightJustified(2, '0');
    if (pick(3) == 0) r.Notes = "Called on " + QByteArray::number(1 + pick(28)) + " March; asked for literature";
    QByteArray nights(40, '-');
    const int from = 1 + pick(kBenchLastMeeting);
    for (int n = from; n <= kBenchLastMeeting; ++n)
        if (pick(3) != 0) nights[n - 1] = '1';
    r.Attendance = nights;
    RecountAttendance(r);
    r.MailList = qint16(pick(4) == 0 ? 0 : 1);
    QByteArray decisions("---------");
    for (int k = 0; k < 9; ++k)
        if (pick(10) == 0) decisions[k] = char('1' + k);
    r.Decisions = decisions;
    r.Class = qint16(pick(4) == 0 ? 1 : 0);
    r.MapCode = "M" + QByteArray::number(pick(50));
    if (pick(5) == 0) r.BaptDate = kDates[pick(std::size(kDates))];
    r.CardPrinted = qint16(pick(3) == 0 ? -1 : 0);
    r.MarkToVisit = qint16(pick(10) == 0 ? 1 : 0);
    if (pick(50) == 0) r.WorkerCode = "##";
    return r;
}

}  // namespace

int ScriptedDialogs::messageBox(const MessageBoxSpec& spec) {
    if (spec.buttons == Buttons::OK) return AnsOK;
    return answerFor ? answerFor(spec) : questionAnswer;
}

QList<AttendeeRecord> BenchRecords(int n) {
    std::mt19937 rng(2026);
    QList<AttendeeRecord> out;
    out.reserve(n);
    for (int i = 1; i <= n; ++i) out.append(Generate(rng, i));
    return out;
}

void WriteBenchDataFile(const QString& path, int n) {
    QByteArray all;
    all.reserve(qsizetype(n) * AttendeeRecord::Size);
    for (const AttendeeRecord& r : BenchRecords(n)) all.append(r.encode());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(all) != all.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

BenchApp::BenchApp(int n, Printer* otherPrinter)
    : app(Platform{dialogs, otherPrinter ? *otherPrinter : printer, sound, help, shell, store, clock, busy, files, network}) {
    if (!dir.isValid()) throw std::runtime_error("no temporary folder");
    app.program.ProgramDir = dir.path();
    app.program.DataFile = dir.filePath(QStringLiteral("bench.dta"));
    app.settings.LastMeeting = kBenchLastMeeting;
    app.settings.PrintCutOff = 3;
    app.settings.TotalAttendNum = 5;
    WriteBenchDataFile(app.program.DataFile, n);
    OpenDataFile(app);
}

}  // namespace fennick::bench
