#pragma once
// "Update File" of the zip-code editor: every live record that has no team yet ("00")
// takes the team that the zip-code table gives its zip key, written in place in the data
// file.

namespace fennick {

class App;
class BulkWrite;

// The pass alone: records whose team is "00" and whose zip key (ZipKey10) is the zip of an
// entry (positions 1-10, exactly) take that entry's team; the first entry of a key in table
// order decides. A blank zip is never matched, an entry whose team is not "00".."40" gives
// none, and records of another team or deleted ("##") are left alone. Each changed record
// is written at once through writes, the first not written stopping the pass (writes
// names it and the rest); the working records are not used. Returns the records changed.
// A read failure passes to the caller (VbError).
int AssignTeamsFromZips(App& app, BulkWrite& writes);

// The command: "carbrake", two confirmations (No at either changes nothing), the pass
// under the hourglass and the closing message, which names the records not written when
// the pass stopped. The main window's shown record takes its new team too, so that saving
// the screen later does not write the old one back.
void AssignNames(App& app);

}  // namespace fennick
