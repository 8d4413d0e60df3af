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

RadiciDati RadiciDati::diSistema() {
    RadiciDati r;
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
    if (dallaBuild) r.contenuto = {build, installata};
    else r.contenuto = {installata, build};

    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') {
        r.utente = std::string(xdg) + "/zelvo";
    } else {
        const char* home = std::getenv("HOME");
        r.utente = std::string(home && *home ? home : "/tmp") + "/.local/share/zelvo";
    }
    return r;
}

std::optional<std::vector<std::string>> partiDelPercorso(std::string_view p) {
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

std::string FileSystem::risolvi(const std::string& base, const std::vector<std::string>& parti) {
    std::string cur = base;
    for (const auto& nome : parti) {
        std::string esatto = cur + "/" + nome;
        if (esiste(esatto)) {
            cur = esatto;
            continue;
        }
        std::string trovato;
        for (const auto& e : elenco(cur))
            if (ugualiSenzaMaiuscole(e, nome)) {
                trovato = e;
                break;
            }
        cur += "/" + (trovato.empty() ? nome : trovato);
    }
    return cur;
}

std::string FileSystem::reale(std::string_view percorsoGioco) {
    auto parti = partiDelPercorso(percorsoGioco);
    if (!parti) return std::string(percorsoGioco);
    if (utente(*parti)) return risolvi(radici_.utente, *parti);
    std::string primo;
    for (const auto& base : radici_.contenuto) {
        std::string r = risolvi(base, *parti);
        if (primo.empty()) primo = r;
        if (esiste(r)) return r;
    }
    return primo.empty() ? risolvi(radici_.utente, *parti) : primo;
}

std::string FileSystem::realePerScrivere(std::string_view percorsoGioco) {
    auto parti = partiDelPercorso(percorsoGioco);
    if (parti && utente(*parti)) {
        // Both of the user's folders come into being on the first write.
        std::string dati = risolvi(radici_.utente, {"Dati"});
        std::string archivio = risolvi(radici_.utente, {"Archivio"});
        creaCartella(dati);
        creaCartella(archivio);
    }
    return reale(percorsoGioco);
}

std::optional<std::string> FileSystem::leggi(const std::string& percorso) {
    int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string out;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return out;
}

bool FileSystem::scrivi(const std::string& percorso, std::string_view contenuto) {
    std::string modello = percorso + ".tmpXXXXXX";
    if (!permetti(Passo::Apri)) return false;
    int fd = ::mkstemp(modello.data());
    if (fd < 0) return false;
    auto fallisci = [&] {
        ::close(fd);
        ::unlink(modello.c_str());
        return false;
    };
    size_t fatto = 0;
    while (fatto < contenuto.size()) {
        // A failing step leaves half a temporary file behind it, as a full disk would.
        if (!permetti(Passo::Scrivi)) {
            (void)!::write(fd, contenuto.data() + fatto, (contenuto.size() - fatto) / 2);
            return fallisci();
        }
        ssize_t n = ::write(fd, contenuto.data() + fatto, contenuto.size() - fatto);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fallisci();
        }
        fatto += static_cast<size_t>(n);
    }
    if (!permetti(Passo::Svuota) || ::fsync(fd) != 0) return fallisci();
    ::fchmod(fd, 0644);
    if (::close(fd) != 0) {
        ::unlink(modello.c_str());
        return false;
    }
    // A crash here leaves the temporary file and the old file intact.
    if (!permetti(Passo::Rinomina)) return false;
    if (::rename(modello.c_str(), percorso.c_str()) != 0) {
        ::unlink(modello.c_str());
        return false;
    }
    // The new name is made durable with its folder.
    int dfd = ::open(cartellaDi(percorso).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool FileSystem::copia(const std::string& da, const std::string& a) {
    auto c = leggi(da);
    return c && scrivi(a, *c);
}

bool FileSystem::esiste(const std::string& percorso) {
    struct stat st{};
    return ::stat(percorso.c_str(), &st) == 0;
}

std::vector<std::string> FileSystem::elenco(const std::string& cartella) {
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

bool FileSystem::creaCartella(const std::string& cartella) {
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
