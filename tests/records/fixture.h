#pragma once
// A main window on the headless platform with real files below a folder of
// the test's own, and scripted file dialogs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/dialogs.h"
#include "platform/files_headless.h"
#include "platform/headless.h"
#include "platform/media.h"
#include "support/test_main.h"

namespace zelvo::prova {

inline std::string leggiFile(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void scriviFile(const std::string& p, const std::string& byte) {
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    std::ofstream f(p, std::ios::binary);
    f << byte;
}

inline std::string golden(const std::string& nome) {
    return leggiFile(std::string(ZELVO_SOURCE_DIR) + "/tests/records/golden/" + nome);
}

// Something put where a file is expected: bytes, nothing, a folder, a named
// pipe, or a file too large for the game to read.
enum class Thing { Bytes, Missing, Folder, Pipe, Huge };
inline void put(const std::string& path, Thing t, const std::string& bytes = "") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::remove_all(path);
    switch (t) {
        case Thing::Bytes: scriviFile(path, bytes); break;
        case Thing::Missing: break;
        case Thing::Folder: std::filesystem::create_directories(path + "/inside"); break;
        case Thing::Pipe: ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); break;
        case Thing::Huge: scriviFile(path, bytes + std::string(FileSystem::READ_LIMIT, '\n')); break;
    }
}

// Runs `body` in a child process: true when it ran to its end, false when it
// was killed. Nothing of the child outlives it but what it wrote to the disk.
inline bool ranToEnd(const std::function<void()>& body) {
    pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) || WTERMSIG(status) == SIGKILL) << "the child died of signal " << WTERMSIG(status);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class Cartella {
public:
    Cartella() {
        char modello[] = "/tmp/zelvo-records-XXXXXX";
        percorso = ::mkdtemp(modello);
    }
    ~Cartella() { std::filesystem::remove_all(percorso); }
    std::string percorso;
};

struct Banco {
    explicit Banco(uint64_t seme = 1, DateTime inizio = {2026, 12, 5, 20, 30, 0})
        : h(seme, inizio), fs(cartella.percorso) {
        h.platform.files = &fs;
        h.platform.dialogs = &dialoghi;
        h.platform.media = &media;
        w = std::make_unique<TestMain>(h.platform);
    }
    std::string dati(const std::string& nome) const { return cartella.percorso + "/utente/Dati/" + nome; }
    std::string archivio(const std::string& nome) const { return cartella.percorso + "/utente/Archivio/" + nome; }
    std::string content(const std::string& nome) const { return cartella.percorso + "/contenuto/" + nome; }
    // The names in a folder, sorted.
    std::vector<std::string> list(const std::string& cartellaReale) const {
        std::vector<std::string> v;
        if (!std::filesystem::exists(cartellaReale)) return v;
        for (const auto& e : std::filesystem::directory_iterator(cartellaReale)) v.push_back(e.path().filename());
        std::sort(v.begin(), v.end());
        return v;
    }

    Cartella cartella;
    Headless h;
    TestFileSystem fs;
    TestDialogs dialoghi;
    MediaLog media;
    std::unique_ptr<TestMain> w;
};

// Plays the game to its end, the human clicking the first card of the hand
// each time (the last one when `dallUltima`).
inline void giocaFinoAllaFine(Banco& b, bool dallUltima = false) {
    TestMain& w = *b.w;
    for (int passi = 0; passi < 200000 && !w.m.window.fraFineGioco.Visible; ++passi) {
        if (w.m.game.lblPuoiGiocare && w.m.game.lblAChiTocca == Who::H && !w.t.TimerDistribuisciCarte.enabled())
            for (int k = 0; k < 3; ++k) {
                const int s = dallUltima ? 6 - k : 4 + k;
                if (w.m.window.ImgCarta[s].Visible && w.m.window.ImgCarta[s].Top == place::TOP[s]) {
                    w.ImgCarta_Click(s);
                    break;
                }
            }
        b.h.scheduler.advance(10);
    }
    ASSERT_TRUE(w.m.window.fraFineGioco.Visible);
}

}  // namespace zelvo::prova
