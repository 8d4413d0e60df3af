// zelvo-engine game FILE: a saved game as one JSON object, readable like a
// chess score. A file that cannot be read as a game is reported as
// {"error": ..., "file": ..., "line": ...} with exit status 2.
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "platform/files.h"
#include "model/data_panel.h"
#include "records/formati.h"
#include "records/text_file.h"

namespace zelvo::engine {

namespace {

// The line of the file that holds a cell's colour, and its caption.
int rigaColore(int cella) { return 3 + 2 * cella; }
int rigaTesto(int cella) { return 4 + 2 * cella; }

struct Fallito {
    int riga;
    std::string motivo;
};

int punti(const formati::GameFile& g, int cella) {
    auto n = testo::intero(g.testo[cella]);
    if (!n || *n < 0 || *n > 120) throw Fallito{rigaTesto(cella), "expected the points after the trick"};
    return static_cast<int>(*n);
}

}  // namespace

int game(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fputs("usage: zelvo-engine game FILE\n", stderr);
        return 2;
    }
    FileSystem fs(RadiciDati::diSistema());
    const std::string& nome = args[0];
    auto fail = [&](const std::string& reason, int line) {
        nlohmann::ordered_json e{{"error", reason}, {"file", nome}};
        if (line > 0) e["line"] = line;
        std::cout << e.dump() << "\n";
        return 2;
    };
    FileSystem::ReadResult file = fs.readFile(fs.reale(nome));
    switch (file.status) {
        case FileSystem::ReadStatus::Read: break;
        case FileSystem::ReadStatus::Missing: return fail("missing", 0);
        case FileSystem::ReadStatus::NotRegular: return fail("not a regular file", 0);
        case FileSystem::ReadStatus::TooLarge: return fail("too large for a game file", 0);
        case FileSystem::ReadStatus::Unreadable: return fail("cannot be read", 0);
    }
    formati::Errore e;
    auto g = formati::leggiGioco(file.bytes, &e);
    if (!g) return fail(e.motivo, e.riga);
    try {
        nlohmann::ordered_json j;
        j["heading1"] = g->intestazione1;
        j["heading2"] = g->intestazione2;
        j["player"] = g->testo[1];
        j["computer"] = g->testo[0];
        j["firstLeader"] = g->colore[8] == colour::RED ? "PC" : "H";
        j["trump"] = g->testo[8];
        j["dealt"] = {{"pc", {g->testo[2], g->testo[3], g->testo[4]}}, {"h", {g->testo[5], g->testo[6], g->testo[7]}}};
        auto prese = nlohmann::ordered_json::array();
        for (int k = 1; k <= 20; ++k) {
            const std::string& pc = g->testo[cells::pcCard(k)];
            const std::string& h = g->testo[cells::humanCard(k)];
            if (pc.empty() && h.empty()) break;  // a game that ended early
            if (pc.empty() || h.empty())
                throw Fallito{rigaTesto(pc.empty() ? cells::pcCard(k) : cells::humanCard(k)), "half a trick recorded"};
            nlohmann::ordered_json t;
            t["pc"] = pc;
            t["h"] = h;
            if (g->colore[cells::pcPoints(k)] == colour::RED) t["taker"] = "PC";
            else if (g->colore[cells::humanPoints(k)] == colour::PINK) t["taker"] = "H";
            else throw Fallito{rigaColore(cells::pcPoints(k)), "no mark of who took the trick"};
            t["pointsPC"] = punti(*g, cells::pcPoints(k));
            t["pointsH"] = punti(*g, cells::humanPoints(k));
            if (k >= 2 && k <= 18) {
                const std::string& dpc = g->testo[cells::pcDraw(k)];
                const std::string& dh = g->testo[cells::humanDraw(k)];
                if (!dpc.empty() || !dh.empty()) t["drawn"] = {{"pc", dpc}, {"h", dh}};
            }
            prese.push_back(std::move(t));
        }
        j["tricks"] = std::move(prese);
        std::cout << j.dump() << "\n";
    } catch (const Fallito& f) {
        return fail(f.motivo, f.riga);
    }
    return 0;
}

}  // namespace zelvo::engine
