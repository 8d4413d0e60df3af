#pragma once
// The three record files as one unit: the ranking with the statistics by level
// (ZlvClass.txt), the register (ZlvAlbo.txt) and its count (ZlvPart.txt)
// change together or not at all.
//
// A save writes the three new files beside the old ones, under names of their
// own ("ZlvAlbo.txt.zelvo-staged"), and flushes them to the disk; then it
// records what is to be renamed in one small journal, written atomically: the
// moment the journal exists the save counts. Then the three files are renamed
// into place and the journal goes. After a crash or a full disk at any step, the
// next start finds either no journal (the save never counted: its staged files
// are removed and the old three stand) or a journal (the save counted: the
// renames are finished). Readers meanwhile see the files as they will be.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "formats/file_formats.h"

namespace zelvo {

// What the three files hold.
struct RecordsData {
    formats::Ranking ranking;       // rows 1..10 and the statistics by level
    std::vector<std::string> entries;  // the register, oldest first; its size is the count
};

// The real files of the unit in one folder, named as they are found there
// (letter case aside).
struct RecordPaths {
    std::string folder, ranking, count, entries, journal;
};
// The user's Dati folder.
RecordPaths recordPaths(FileSystem& fs);
// Any folder (the tools are given one).
RecordPaths recordPaths(FileSystem& fs, const std::string& folder);

// The register grows by one line a match, far past the size of any other file.
constexpr size_t REGISTER_READ_LIMIT = size_t{16} << 20;
// The marks of the unit's own files.
constexpr std::string_view STAGED_MARK = ".zelvo-staged";
constexpr std::string_view JOURNAL_NAME = "records.zelvo-journal";

// One file of the unit as read.
struct RecordFileState {
    enum class Kind { Missing, Whole, Unreadable, Damaged };
    Kind kind = Kind::Missing;
    std::string path;
    std::string reason;  // why it is not whole, in English (for the tools)
    int line = 0;        // the line at fault; 0 for the file as a whole
    bool whole() const { return kind == Kind::Whole; }
    bool faulty() const { return kind == Kind::Unreadable || kind == Kind::Damaged; }
};

// The three files as they stand, or will stand once a save that counted is
// finished: each judged on its own, and the count against the register. A
// count that disagrees with a whole register is damaged; one less than the
// register (a save of older versions cut between the two) is not.
struct RecordFilesRead {
    RecordsData data;  // what is whole; the initial values for the rest
    RecordFileState ranking, count, entries;
    bool countDisagrees = false;
};
RecordFilesRead readRecordFiles(FileSystem& fs, const RecordPaths& paths);

// What the game starts with.
struct RecordFilesLoad {
    RecordsData data;
    std::vector<std::string> setAside;  // the .bak files made, real paths
    // A damaged file could not be put aside: no record file is written in this
    // run, so that the only copy survives.
    bool saveBlocked = false;
};
// The records for the game. A file that is damaged, unreadable or not a file at
// all is put aside as "<name>.<yyyymmdd-hhmmss>.bak" and its records start
// empty: the ranking with the statistics, or the register with its count. A
// damaged count beside a whole register is only rebuilt from the register (a
// count that disagrees with it also leaves a copy of the register aside).
RecordFilesLoad loadRecords(FileSystem& fs, const DateTime& now);
// Writes the three files as one unit (a register entry that is empty ends the
// register). True once the save counts, even when its renames are left to the
// next start; false when it does not count and the old three files stand.
bool saveRecords(FileSystem& fs, const RecordsData& data);
// At start-up: finishes a save that counted, drops one that did not, and
// removes the game's own leftover temporary files from Dati and Archivio.
void recoverRecords(FileSystem& fs, const DateTime& now);

}  // namespace zelvo
