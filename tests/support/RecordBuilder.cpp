#include "RecordBuilder.h"

#include <QFile>

#include <stdexcept>

namespace fennick::test {

AttendeeRecord Person(const char* rnum, const char* first, const char* last) {
    AttendeeRecord r;
    r.RNum = rnum;
    r.FName = first;
    r.LName = last;
    r.Address = "1 Main St";
    r.City = "Springfield";
    r.State = "IL";
    r.Zip = "62701";
    r.Phone = "555-1234";
    r.Age = "30-39";
    r.Advertising = ".......";
    r.RelPref = "Baptist";
    r.WorkerCode = "00";
    r.Attendance = "1---------------------------------------";
    r.Attend = "1";
    r.Last = 1;
    r.MailList = 1;
    r.Decisions = "---------";
    return r;
}

void WriteDataFile(const QString& path, const QList<AttendeeRecord>& records) {
    QByteArray all;
    for (const AttendeeRecord& r : records) all.append(r.encode());
    WriteFileBytes(path, all);
}

QByteArray ReadFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + path.toStdString());
    f.write(bytes);
}

}  // namespace fennick::test
