#include "records/record_files.h"

#include <cstdint>
#include <cstdio>

namespace zelvo {

namespace {

constexpr const char* DATI = "C:\\Programmi\\Zelvo\\Dati";
constexpr const char* ARCHIVIO = "C:\\Programmi\\Zelvo\\Archivio";
constexpr const char* JOURNAL_HEADING = "zelvo records unit";
const char* const NAMES[3] = {"ZlvClass.txt", "ZlvAlbo.txt", "ZlvPart.txt"};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string nameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// FNV-1a: enough to know a staged file for the one the journal names.
uint64_t fingerprint(std::string_view bytes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : bytes) h = (h ^ c) * 0x100000001b3ull;
    return h;
}

// One rename of a unit: the staged file, its size and fingerprint, and its place.
struct UnitFile {
    std::string staged, final;
    size_t size = 0;
    uint64_t print = 0;
    bool holds(std::string_view bytes) const { return bytes.size() == size && fingerprint(bytes) == print; }
};

struct Journal {
    enum class State { None, Valid, Damaged } state = State::None;
    std::vector<UnitFile> files;
};

std::string journalText(const std::vector<UnitFile>& files) {
    std::string s = std::string(JOURNAL_HEADING) + "\n";
    for (const auto& f : files) {
        char b[64];
        std::snprintf(b, sizeof b, "%zu %016llx ", f.size, static_cast<unsigned long long>(f.print));
        s += b + nameOf(f.final) + "\n";
    }
    return s;
}

// The journal of a save that counted, if there is one. Only the three record
// files, each once, can be named in it.
Journal readJournal(FileSystem& fs, const RecordPaths& paths) {
    Journal j;
    FileSystem::ReadResult r = fs.readFile(paths.journal);
    if (r.status == FileSystem::ReadStatus::Missing) return j;
    j.state = Journal::State::Damaged;
    if (r.status != FileSystem::ReadStatus::Read) return j;
    std::vector<std::string> lines;
    size_t i = 0;
    while (i < r.bytes.size()) {
        size_t e = r.bytes.find('\n', i);
        if (e == std::string::npos) return j;  // every line ends
        lines.push_back(r.bytes.substr(i, e - i));
        i = e + 1;
    }
    if (lines.size() != 4 || lines[0] != JOURNAL_HEADING) return j;
    bool seen[3] = {false, false, false};
    for (size_t n = 1; n < lines.size(); ++n) {
        unsigned long long size = 0, print = 0;
        char name[64] = {};
        int used = 0;
        if (std::sscanf(lines[n].c_str(), "%llu %16llx %63s%n", &size, &print, name, &used) != 3 ||
            used != static_cast<int>(lines[n].size()))
            return j;
        int k = 0;
        while (k < 3 && !sameIgnoringCase(name, NAMES[k])) ++k;
        if (k == 3 || seen[k]) return j;
        seen[k] = true;
        const std::string final = paths.folder + "/" + name;
        j.files.push_back({final + std::string(STAGED_MARK), final, static_cast<size_t>(size), print});
    }
    // A staged file is gone once renamed; one still there holds what the journal says.
    for (const auto& f : j.files) {
        FileSystem::ReadResult s = fs.readFile(f.staged, REGISTER_READ_LIMIT);
        if (s.status != FileSystem::ReadStatus::Missing && (s.status != FileSystem::ReadStatus::Read || !f.holds(s.bytes)))
            return j;
    }
    j.state = Journal::State::Valid;
    return j;
}

// A file of the unit: the staged one when a save that counted names it and it
// is still there, the file in place otherwise.
FileSystem::ReadResult readUnitFile(FileSystem& fs, const Journal& j, const std::string& path, size_t limit) {
    if (j.state == Journal::State::Valid)
        for (const auto& f : j.files)
            if (f.final == path) {
                FileSystem::ReadResult s = fs.readFile(f.staged, limit);
                if (s.status == FileSystem::ReadStatus::Read) return s;
            }
    return fs.readFile(path, limit);
}

// The renames of a save that counted (those not done yet), then the journal
// goes. False when a step fails: the journal stays for the next try.
bool finishUnit(FileSystem& fs, const RecordPaths& paths, const std::vector<UnitFile>& files) {
    for (const auto& f : files)
        if (fs.exists(f.staged) && !fs.renameFile(f.staged, f.final)) return false;
    // The new names are on the disk before the journal goes.
    if (!fs.syncFolder(paths.folder) || !fs.removeFile(paths.journal)) return false;
    fs.syncFolder(paths.folder);
    return true;
}

std::string stamp(const DateTime& d) {
    char b[40];
    std::snprintf(b, sizeof b, ".%04d%02d%02d-%02d%02d%02d", d.year, d.month, d.day, d.hour, d.minute, d.second);
    return b;
}

// "<path>.<stamp>.bak", or with "-2", "-3"... when that name is taken.
std::string asideName(FileSystem& fs, const std::string& path, const DateTime& now) {
    std::string base = path + stamp(now);
    std::string name = base + ".bak";
    for (int n = 2; fs.exists(name) && n < 1000; ++n) name = base + "-" + std::to_string(n) + ".bak";
    return name;
}

void judge(RecordFileState& st, const FileSystem::ReadResult& r) {
    using S = FileSystem::ReadStatus;
    switch (r.status) {
        case S::Missing: st.kind = RecordFileState::Kind::Missing; return;
        case S::Read: st.kind = RecordFileState::Kind::Whole; return;
        case S::NotRegular: st.reason = "not a regular file"; break;
        case S::TooLarge: st.reason = "too large for a record file"; break;
        case S::Unreadable: st.reason = "cannot be read"; break;
    }
    st.kind = RecordFileState::Kind::Unreadable;
}

void damaged(RecordFileState& st, const formats::Error& e) {
    st.kind = RecordFileState::Kind::Damaged;
    st.reason = e.reason;
    st.line = e.line;
}

}  // namespace

RecordPaths recordPaths(FileSystem& fs, const std::string& folder) {
    auto find = [&](std::string_view name) {
        const std::string exact = folder + "/" + std::string(name);
        if (fs.exists(exact)) return exact;
        for (const auto& e : fs.list(folder))
            if (sameIgnoringCase(e, name)) return folder + "/" + e;
        return exact;
    };
    return {folder, find(NAMES[0]), find(NAMES[2]), find(NAMES[1]), folder + "/" + std::string(JOURNAL_NAME)};
}

RecordPaths recordPaths(FileSystem& fs) { return recordPaths(fs, fs.real(DATI)); }

RecordFilesRead readRecordFiles(FileSystem& fs, const RecordPaths& paths) {
    RecordFilesRead out;
    out.ranking.path = paths.ranking;
    out.count.path = paths.count;
    out.entries.path = paths.entries;
    const Journal j = readJournal(fs, paths);
    formats::Error e;

    FileSystem::ReadResult r = readUnitFile(fs, j, paths.ranking, FileSystem::READ_LIMIT);
    judge(out.ranking, r);
    if (out.ranking.whole()) {
        if (auto c = formats::readRanking(r.bytes, &e)) out.data.ranking = std::move(*c);
        else damaged(out.ranking, e);
    }

    // The register ends at its closing empty line: it needs no count to be read.
    r = readUnitFile(fs, j, paths.entries, REGISTER_READ_LIMIT);
    judge(out.entries, r);
    if (out.entries.whole()) {
        if (auto v = formats::readRegisterWithoutCount(r.bytes, &e)) out.data.entries = std::move(*v);
        else damaged(out.entries, e);
    }

    r = readUnitFile(fs, j, paths.count, FileSystem::READ_LIMIT);
    judge(out.count, r);
    if (out.count.whole()) {
        const auto n = formats::readCount(r.bytes, &e);
        const long long held = static_cast<long long>(out.data.entries.size());
        if (!n) {
            damaged(out.count, e);
        } else if (out.entries.whole() && *n != held && *n + 1 != held) {
            out.count.kind = RecordFileState::Kind::Damaged;
            out.count.reason = "counts " + std::to_string(*n) + " matches, the register holds " + std::to_string(held);
            out.count.line = 1;
            out.countDisagrees = true;
        } else if (out.entries.kind == RecordFileState::Kind::Missing && *n > 0) {
            out.count.kind = RecordFileState::Kind::Damaged;
            out.count.reason = "counts " + std::to_string(*n) + " matches, but the register is missing";
            out.count.line = 1;
        }
    }
    return out;
}

RecordFilesLoad loadRecords(FileSystem& fs, const DateTime& now) {
    RecordFilesRead r = readRecordFiles(fs, recordPaths(fs));
    RecordFilesLoad out;
    out.data = std::move(r.data);
    // Moved aside when its records are dropped; copied when they are kept.
    auto putAside = [&](const std::string& path, bool copy) {
        const std::string name = asideName(fs, path, now);
        const bool ok = copy ? fs.copy(path, name, REGISTER_READ_LIMIT) : fs.renameFile(path, name);
        if (ok) out.setAside.push_back(name);
        else out.saveBlocked = true;
    };
    if (r.ranking.faulty()) putAside(r.ranking.path, false);
    if (r.entries.faulty()) {
        putAside(r.entries.path, false);
        if (r.count.kind != RecordFileState::Kind::Missing) putAside(r.count.path, false);
    } else if (r.count.faulty()) {
        putAside(r.count.path, false);
        if (r.countDisagrees) putAside(r.entries.path, true);
    }
    return out;
}

bool saveRecords(FileSystem& fs, const RecordsData& data) {
    fs.realForWriting(std::string(DATI) + "\\" + NAMES[0]);  // the user's folders come into being
    const RecordPaths paths = recordPaths(fs);
    // A save that counted but could not finish comes first.
    const Journal pending = readJournal(fs, paths);
    if (pending.state == Journal::State::Damaged) return false;
    if (pending.state == Journal::State::Valid && !finishUnit(fs, paths, pending.files)) return false;

    size_t n = 0;
    while (n < data.entries.size() && !data.entries[n].empty()) ++n;
    const std::vector<std::string> entries(data.entries.begin(), data.entries.begin() + static_cast<long>(n));
    const std::string bytes[3] = {formats::writeRanking(data.ranking), formats::writeRegister(entries),
                                  formats::writeCount(static_cast<int>(n))};
    const std::string* finals[3] = {&paths.ranking, &paths.entries, &paths.count};
    std::vector<UnitFile> files;
    for (int k = 0; k < 3; ++k)
        files.push_back({*finals[k] + std::string(STAGED_MARK), *finals[k], bytes[k].size(), fingerprint(bytes[k])});

    auto dropStaged = [&] {
        for (const auto& f : files) fs.removeFile(f.staged);
        return false;
    };
    for (int k = 0; k < 3; ++k)
        if (!fs.writeSynced(files[k].staged, bytes[k])) return dropStaged();
    // The staged names are on the disk before the journal that names them.
    if (!fs.syncFolder(paths.folder)) return dropStaged();
    if (!fs.write(paths.journal, journalText(files))) return dropStaged();
    // The save counts from here: what is left undone, the next start finishes.
    finishUnit(fs, paths, files);
    return true;
}

void recoverRecords(FileSystem& fs, const DateTime& now) {
    const RecordPaths paths = recordPaths(fs);
    const Journal j = readJournal(fs, paths);
    bool unitOpen = false;
    if (j.state == Journal::State::Valid) {
        unitOpen = !finishUnit(fs, paths, j.files);
    } else if (j.state == Journal::State::Damaged) {
        // Not a journal the game wrote: it and the staged files are kept aside, and the three files in place stand.
        unitOpen = !fs.renameFile(paths.journal, asideName(fs, paths.journal, now));
    }
    auto clean = [&](const std::string& folder, bool staged) {
        for (const auto& name : fs.list(folder)) {
            const std::string path = folder + "/" + name;
            if (isTemporaryName(name)) {
                fs.removeFile(path);
            } else if (staged && name.ends_with(STAGED_MARK)) {
                if (j.state == Journal::State::Damaged || !fs.isRegularFile(path))
                    fs.renameFile(path, asideName(fs, path, now));
                else
                    fs.removeFile(path);
            }
        }
    };
    clean(paths.folder, !unitOpen);
    clean(fs.real(ARCHIVIO), false);
}

}  // namespace zelvo
