#pragma once
// Files as the game sees them: whole files read and written at once, every write
// atomic, and the one mapping from the game's fixed data root
// ("C:\Programmi\Zelvo\Dati\ZlvImpo.txt") to the real file on this machine.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// Where the data root lies on this machine.
struct DataRoots {
    // Read-only content (cards, pictures, sounds, music, ZlvOpzio.txt), in order of preference.
    std::vector<std::string> content;
    // The user's own files: Dati and Archivio live below it.
    std::string user;

    // The installed data folder, or the build tree when the program runs from it;
    // the user's folder under $XDG_DATA_HOME/zelvo (default ~/.local/share/zelvo).
    static DataRoots ofThisMachine();
};

class FileSystem {
public:
    explicit FileSystem(DataRoots roots) : roots_(std::move(roots)) {}
    virtual ~FileSystem() = default;

    // No file the game writes comes near this size but the register, which
    // grows by one line a match and has a limit of its own.
    static constexpr size_t READ_LIMIT = 1 << 20;

    // What reading a file found. Only a regular file is read: a folder, a named
    // pipe or a device in its place is never opened for reading, so it cannot
    // hang the game.
    enum class ReadStatus { Read, Missing, NotRegular, TooLarge, Unreadable };
    struct ReadResult {
        ReadStatus status = ReadStatus::Missing;
        std::string bytes;  // the whole file when Read
    };
    virtual ReadResult readFile(const std::string& path, size_t limit = READ_LIMIT);
    // The whole content of a real file; nothing when it is missing or unreadable.
    std::optional<std::string> read(const std::string& percorso, size_t limit = READ_LIMIT);
    // Replaces the file with `contenuto`: a temporary file in the same folder is
    // written, flushed and renamed over the old one. On failure the old file is
    // left as it was and the result is false.
    virtual bool write(const std::string& percorso, std::string_view contenuto);
    // A byte copy of a file (to put a damaged file aside); false on failure.
    virtual bool copy(const std::string& da, const std::string& a, size_t limit = READ_LIMIT);
    virtual bool exists(const std::string& percorso);
    // The names in a folder (files and folders), empty when it cannot be listed.
    virtual std::vector<std::string> list(const std::string& cartella);
    // Creates a folder and its parents; true when it exists afterwards.
    virtual bool makeFolder(const std::string& cartella);

    // The steps of a unit of several files, each of which the caller orders:
    // `bytes` written to `path` itself and flushed to the disk (no rename),
    // a rename, a removal of a regular file, and the flush of a folder's names
    // to the disk. False when the step failed.
    bool writeSynced(const std::string& path, std::string_view bytes);
    bool renameFile(const std::string& from, const std::string& to);
    bool removeFile(const std::string& path);
    bool syncFolder(const std::string& folder);
    // A regular file (not followed through a link).
    bool isRegularFile(const std::string& path);

    // The real file of a path of the game's data root. Names are matched without
    // regard to letter case; a name found nowhere keeps the spelling given, so a
    // file the game creates gets exactly the name it gives. Dati and Archivio are
    // the user's; everything else is read-only content. A path outside the data
    // root is taken as a real path already.
    std::string real(std::string_view gamePath);
    // A real path for writing: as `reale`, and the user's Dati and Archivio
    // folders are created first.
    std::string realForWriting(std::string_view gamePath);

    const DataRoots& roots() const { return roots_; }

protected:
    // Every step that changes the disk, so that a test can make any of them
    // fail (as a full disk would) or stop the program right there.
    enum class Step { Open, Write, Sync, Rename, Remove, SyncFolder };
    // False makes the step fail (the default never does).
    virtual bool allow(Step, const std::string& /*path*/) { return true; }

private:
    // `parti` below `base`, each name matched without regard to case.
    std::string resolve(const std::string& base, const std::vector<std::string>& parti);
    DataRoots roots_;
};

// The temporary file of an atomic write is named after its file, with this
// mark and six random characters: "ZlvImpo.txt.zelvo-tmp-a1B2c3". Nothing
// else carries the mark, so a leftover of an interrupted write is known for
// the game's own.
constexpr std::string_view TEMPORARY_MARK = ".zelvo-tmp-";
bool isTemporaryName(std::string_view name);

// "C:\Programmi\Zelvo\Dati\ZlvImpo.txt" → {"Dati", "ZlvImpo.txt"}; nothing
// when the text does not start with the data root.
std::optional<std::vector<std::string>> pathParts(std::string_view percorsoGioco);

}  // namespace zelvo
