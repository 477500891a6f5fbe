#pragma once
// Recorded documents as text, for golden-file tests of printed reports.
//
// A dump shows what a document's job prints: the pages from..to of the document, each
// copy in turn. Every page starts with a line "page N" ("copy C page N" when the job
// makes more than one copy), followed by one line per mark in the order printed:
//   text  x y  face size [bold] [underline] [italic] [stretch S]  |text|
//   rule  x1 y1 - x2 y2  width W
// with positions in centimetres to two decimals.

#include "platform/Dialogs.h"
#include "platform/Printer.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace fennick::test {

// One document under the job it was delivered with.
QString DumpDocument(const PrintedDocument& doc, const PrinterChoice& job);
// Every document the recording printer received, in order, each after a line
// "document N: pages F-T of P, C copies".
QString DumpDocuments(const RecordingPrinter& printer);

// The texts of a document that run past the printable area's right edge, or into a text
// further right on their line (the upper part of the two lines overlapping), each told as
// a line. Blanks at a text's end do not count. measure gives the texts' widths and
// heights in their fonts: the recording printer's table or the real fonts.
QStringList Overruns(const PrintedDocument& doc, Printer& measure);
// The texts of a document that run into a text of another line below them (a line printed
// over the one before it, or a block reaching into the foot of the page), each told as a
// line: their lines' heights overlap, and so do their visible widths.
QStringList OverlappingLines(const PrintedDocument& doc, Printer& measure);
// Success when the printer received a document and none of its documents has an overrun;
// else the overruns.
::testing::AssertionResult StaysInItsColumns(const RecordingPrinter& printer, Printer& measure);

// Success when each of texts stands whole within one printed text of the printer's
// documents (numbers, dates, codes and captions, which are never cut); else the missing.
::testing::AssertionResult PrintsWhole(const RecordingPrinter& printer, const QStringList& texts);

// Whether a printed text can be read as name: pieces of name in order, its start first,
// with the mark "…" wherever at least one character is left out, and at its end unless
// the last piece ends name.
bool CanBeCutOf(const QString& cut, const QString& name);

// Compares actual with the golden file at path. On a mismatch (or a missing golden) the
// actual text is written beside it as path + ".actual", and the result names the first
// line that differs.
::testing::AssertionResult MatchesGolden(const QString& actual, const QString& goldenPath);

}  // namespace fennick::test
