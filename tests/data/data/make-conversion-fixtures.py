#!/usr/bin/env python3
"""Writes the older-layout data files used by the conversion tests and the data files
they must convert to. Run from this folder; the files are committed, so this is only
needed when the fixtures change."""
import struct

NOTES = "Called twice; prefers evening visits after the meeting, asks about Daniel 2 and the Sabbath. The end"
assert len(NOTES) == 100

PEOPLE = [
    dict(RNum="0012", FName="Mary", LName="Smith", Address="1 Main St", City="Springfield", State="IL",
         Zip="62701", Phone="555-1234", Age="30-39", Advertising="N.R....", RelPref="Baptist", IntLevel="A",
         Visits="V01A02", WorkerCode="03", Notes=NOTES, Attendance="12-4" + "-" * 36, Attend="3", Last=4,
         MailList=1, Decisions="C--------", Class=1, MapCode="M12", BaptDate="03/01/26", CardPrinted=-1,
         BirthDate="01/02/60"),
    dict(RNum="0013", FName="John", LName="Doe", Address="Address Unknown", City="Unknown", State="IL",
         Zip="NoZip", Phone="Unknown", Age="NIF", Advertising=".......", RelPref="UnSpecified", IntLevel="",
         Visits="", WorkerCode="##", Notes="deleted", Attendance="1" + "-" * 39, Attend="1", Last=1,
         MailList=0, Decisions="---------", Class=0, MapCode="", BaptDate="12:00AM", CardPrinted=0,
         BirthDate="12/12/12"),
    dict(RNum="0014", FName="Ren\xe9e", LName="L\xe9vesque", Address="22 Rue d'\xc9rable", City="Qu\xe9bec",
         State="QC", Zip="G1R", Phone="418-555-0000", Age="60-70", Advertising=".M....IPastor Bob",
         RelPref="Catholic", IntLevel="G", Visits="", WorkerCode="40", Notes="", Attendance="-" * 39 + "0",
         Attend="1", Last=40, MailList=1, Decisions="CS-P----U", Class=0, MapCode="Q7", BaptDate="",
         CardPrinted=1, BirthDate=""),
]

OLD = [("RNum", 4), ("FName", 20), ("LName", 20), ("Address", 30), ("City", 20), ("State", 2), ("Zip", 10),
       ("Phone", 12), ("Age", 10), ("Advertising", 20), ("RelPref", 20), ("IntLevel", 1), ("Visits", 12),
       ("WorkerCode", 2), ("Notes", 100), ("Attendance", 40), ("Attend", 2), ("Last", 0), ("MailList", 0),
       ("Decisions", 12), ("Class", 0), ("MapCode", 8), ("BaptDate", 8), ("CardPrinted", 0), ("BirthDate", 8)]
NEW = OLD[:14] + [("Notes", 150)] + OLD[15:] + [("MarkToVisit", 0), ("Email", 40)]


def pack(rec, layout):
    out = b""
    for name, width in layout:
        value = rec[name]
        if width == 0:
            out += struct.pack("<h", value)
        else:
            out += value.encode("cp1252")[:width].ljust(width, b" ")
    return out


def write(name, data):
    with open(name, "wb") as f:
        f.write(data)


old369 = [pack(p, OLD) for p in PEOPLE]
assert all(len(r) == 369 for r in old369)
write("old371.dta", b"".join(r + b"ZZ" for r in old369) + old369[0][:150])
write("old369.dta", b"".join(old369) + old369[2][:200])

for name, keep_card in (("old371-converted.dta", False), ("old369-converted.dta", True)):
    recs = []
    for p in PEOPLE:
        q = dict(p, BirthDate="", MarkToVisit=0, Email="")
        if not keep_card:
            q["CardPrinted"] = 0
        recs.append(pack(q, NEW))
    assert all(len(r) == 461 for r in recs)
    write(name, b"".join(recs))
