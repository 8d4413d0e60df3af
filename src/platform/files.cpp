#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace zelvo {

namespace {

constexpr std::string_view RADICE = "C:\\Programmi\\Zelvo\\";

char minuscola(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool ugualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (minuscola(a[i]) != minuscola(b[i])) return false;
    return true;
}

bool cartellaEsiste(const std::string& p) {
    struct stat st{};
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string cartellaDi(const std::string& percorso) {
    auto pos = percorso.find_last_of('/');
    if (pos == std::string::npos) return ".";
    if (pos == 0) return "/";
    return percorso.substr(0, pos);
}

bool utente(const std::vector<std::string>& parti) {
    return !parti.empty() &&
           (ugualiSenzaMaiuscole(parti[0], "Dati") || ugualiSenzaMaiuscole(parti[0], "Archivio"));
}

}  // namespace

DataRoots DataRoots::ofThisMachine() {
    DataRoots r;
    std::string installata = ZELVO_INSTALLED_DATA_DIR;
    std::string build = ZELVO_BUILD_DATA_DIR;
    // Run from the build tree: the content made by that build comes first.
    bool dallaBuild = false;
    char exe[4096];
    ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) {
        exe[n] = 0;
        std::string radiceBuild = build;
        const std::string coda = "/share/zelvo";
        if (radiceBuild.size() > coda.size() && radiceBuild.ends_with(coda))
            radiceBuild.resize(radiceBuild.size() - coda.size());
        dallaBuild = std::string(exe).starts_with(radiceBuild + "/");
    }
    if (dallaBuild) r.content = {build, installata};
    else r.content = {installata, build};

    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') {
        r.user = std::string(xdg) + "/zelvo";
    } else {
        const char* home = std::getenv("HOME");
        r.user = std::string(home && *home ? home : "/tmp") + "/.local/share/zelvo";
    }
    return r;
}

std::optional<std::vector<std::string>> pathParts(std::string_view p) {
    if (p.size() < RADICE.size() || !ugualiSenzaMaiuscole(p.substr(0, RADICE.size()), RADICE)) return std::nullopt;
    p.remove_prefix(RADICE.size());
    std::vector<std::string> parti;
    std::string cur;
    for (char c : p) {
        if (c == '\\' || c == '/') {
            if (!cur.empty()) parti.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parti.push_back(cur);
    // ".." would leave the data root: such a path names nothing.
    for (const auto& s : parti)
        if (s == "." || s == "..") return std::nullopt;
    return parti;
}

std::string FileSystem::resolve(const std::string& base, const std::vector<std::string>& parti) {
    std::string cur = base;
    for (const auto& nome : parti) {
        std::string esatto = cur + "/" + nome;
        if (exists(esatto)) {
            cur = esatto;
            continue;
        }
        std::string trovato;
        for (const auto& e : list(cur))
            if (ugualiSenzaMaiuscole(e, nome)) {
                trovato = e;
                break;
            }
        cur += "/" + (trovato.empty() ? nome : trovato);
    }
    return cur;
}

std::string FileSystem::real(std::string_view percorsoGioco) {
    auto parti = pathParts(percorsoGioco);
    if (!parti) return std::string(percorsoGioco);
    if (utente(*parti)) return resolve(roots_.user, *parti);
    std::string primo;
    for (const auto& base : roots_.content) {
        std::string r = resolve(base, *parti);
        if (primo.empty()) primo = r;
        if (exists(r)) return r;
    }
    return primo.empty() ? resolve(roots_.user, *parti) : primo;
}

std::string FileSystem::realForWriting(std::string_view percorsoGioco) {
    auto parti = pathParts(percorsoGioco);
    if (parti && utente(*parti)) {
        // Both of the user's folders come into being on the first write.
        std::string dati = resolve(roots_.user, {"Dati"});
        std::string archivio = resolve(roots_.user, {"Archivio"});
        makeFolder(dati);
        makeFolder(archivio);
    }
    return real(percorsoGioco);
}

FileSystem::ReadResult FileSystem::readFile(const std::string& path, size_t limit) {
    ReadResult r;
    // What the file is, is checked before it is opened (a device is never
    // opened) and again once it is open, without blocking, so that a named pipe
    // put there in between cannot hold the game either.
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        r.status = ReadStatus::NotRegular;
        return r;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        r.status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
        return r;
    }
    if (::fstat(fd, &st) != 0) r.status = ReadStatus::Unreadable;
    else if (!S_ISREG(st.st_mode)) r.status = ReadStatus::NotRegular;
    else if (static_cast<unsigned long long>(st.st_size) > limit) r.status = ReadStatus::TooLarge;
    else r.status = ReadStatus::Read;
    if (r.status != ReadStatus::Read) {
        ::close(fd);
        return r;
    }
    r.bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            r.status = ReadStatus::Unreadable;
            break;
        }
        if (n == 0) break;
        r.bytes.append(buf, static_cast<size_t>(n));
        // A file that grows while it is read is held to the same limit.
        if (r.bytes.size() > limit) {
            r.status = ReadStatus::TooLarge;
            break;
        }
    }
    ::close(fd);
    if (r.status != ReadStatus::Read) r.bytes.clear();
    return r;
}

std::optional<std::string> FileSystem::read(const std::string& percorso, size_t limit) {
    ReadResult r = readFile(percorso, limit);
    if (r.status != ReadStatus::Read) return std::nullopt;
    return std::move(r.bytes);
}

namespace {

// Writes all of `bytes`; false on an error.
bool writeAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool FileSystem::write(const std::string& percorso, std::string_view contenuto) {
    std::string modello = percorso + std::string(TEMPORARY_MARK) + "XXXXXX";
    if (!allow(Step::Open, modello)) return false;
    int fd = ::mkstemp(modello.data());
    if (fd < 0) return false;
    auto fallisci = [&] {
        ::close(fd);
        ::unlink(modello.c_str());
        return false;
    };
    if (!allow(Step::Write, modello) || !writeAll(fd, contenuto)) return fallisci();
    if (!allow(Step::Sync, modello) || ::fsync(fd) != 0) return fallisci();
    ::fchmod(fd, 0644);
    if (::close(fd) != 0) {
        ::unlink(modello.c_str());
        return false;
    }
    // A crash before the rename leaves the temporary file and the old file intact.
    if (!allow(Step::Rename, percorso) || ::rename(modello.c_str(), percorso.c_str()) != 0) {
        ::unlink(modello.c_str());
        return false;
    }
    // The new name is made durable with its folder.
    syncFolder(cartellaDi(percorso));
    return true;
}

bool FileSystem::writeSynced(const std::string& path, std::string_view bytes) {
    if (!allow(Step::Open, path)) return false;
    // Never through a link, and a named pipe in the way fails at once.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat st{};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && allow(Step::Write, path) && writeAll(fd, bytes) &&
              allow(Step::Sync, path) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool FileSystem::renameFile(const std::string& from, const std::string& to) {
    return allow(Step::Rename, to) && ::rename(from.c_str(), to.c_str()) == 0;
}

bool FileSystem::removeFile(const std::string& path) {
    if (!isRegularFile(path)) return false;
    return allow(Step::Remove, path) && ::unlink(path.c_str()) == 0;
}

bool FileSystem::syncFolder(const std::string& folder) {
    if (!allow(Step::SyncFolder, folder)) return false;
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return false;
    // A file system that keeps no separate record of a folder's names has nothing to flush.
    bool ok = ::fsync(dfd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(dfd);
    return ok;
}

bool FileSystem::isRegularFile(const std::string& path) {
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isTemporaryName(std::string_view name) {
    auto pos = name.rfind(TEMPORARY_MARK);
    if (pos == std::string_view::npos || pos == 0) return false;
    std::string_view tail = name.substr(pos + TEMPORARY_MARK.size());
    if (tail.size() != 6) return false;
    for (char c : tail)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

bool FileSystem::copy(const std::string& da, const std::string& a, size_t limit) {
    auto c = read(da, limit);
    return c && write(a, *c);
}

bool FileSystem::exists(const std::string& percorso) {
    struct stat st{};
    return ::stat(percorso.c_str(), &st) == 0;
}

std::vector<std::string> FileSystem::list(const std::string& cartella) {
    std::vector<std::string> nomi;
    DIR* d = ::opendir(cartella.c_str());
    if (!d) return nomi;
    while (dirent* e = ::readdir(d)) {
        std::string n = e->d_name;
        if (n != "." && n != "..") nomi.push_back(n);
    }
    ::closedir(d);
    return nomi;
}

bool FileSystem::makeFolder(const std::string& cartella) {
    if (cartella.empty() || cartellaEsiste(cartella)) return !cartella.empty();
    std::string parziale;
    size_t i = 0;
    while (i <= cartella.size()) {
        size_t j = cartella.find('/', i);
        if (j == std::string::npos) j = cartella.size();
        parziale = cartella.substr(0, j);
        if (!parziale.empty() && !cartellaEsiste(parziale)) {
            if (::mkdir(parziale.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
        i = j + 1;
    }
    return cartellaEsiste(cartella);
}

}  // namespace zelvo
