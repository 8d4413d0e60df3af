// zelvo-engine game FILE: a saved game as one JSON object, readable like a
// chess score. A file that cannot be read as a game is reported as
// {"error": ..., "file": ..., "line": ...} with exit status 2.
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "platform/files.h"
#include "model/data_panel.h"
#include "formats/file_formats.h"
#include "formats/text_file.h"

namespace zelvo::engine {

namespace {

// The line of the file that holds a cell's colour, and its caption.
int colourLine(int cell) { return 3 + 2 * cell; }
int textLine(int cell) { return 4 + 2 * cell; }

struct Fault {
    int line;
    std::string reason;
};

int pointsIn(const formats::GameFile& g, int cell) {
    auto n = textfile::whole(g.text[cell]);
    if (!n || *n < 0 || *n > 120) throw Fault{textLine(cell), "expected the points after the trick"};
    return static_cast<int>(*n);
}

}  // namespace

int game(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fputs("usage: zelvo-engine game FILE\n", stderr);
        return 2;
    }
    FileSystem fs(DataRoots::ofThisMachine());
    const std::string& name = args[0];
    auto fail = [&](const std::string& reason, int line) {
        nlohmann::ordered_json e{{"error", reason}, {"file", name}};
        if (line > 0) e["line"] = line;
        std::cout << e.dump() << "\n";
        return 2;
    };
    FileSystem::ReadResult file = fs.readFile(fs.real(name));
    switch (file.status) {
        case FileSystem::ReadStatus::Read: break;
        case FileSystem::ReadStatus::Missing: return fail("missing", 0);
        case FileSystem::ReadStatus::NotRegular: return fail("not a regular file", 0);
        case FileSystem::ReadStatus::TooLarge: return fail("too large for a game file", 0);
        case FileSystem::ReadStatus::Unreadable: return fail("cannot be read", 0);
    }
    formats::Error e;
    auto g = formats::readGame(file.bytes, &e);
    if (!g) return fail(e.reason, e.line);
    try {
        nlohmann::ordered_json j;
        j["heading1"] = g->heading1;
        j["heading2"] = g->heading2;
        j["player"] = g->text[1];
        j["computer"] = g->text[0];
        j["firstLeader"] = g->colour[8] == colour::RED ? "PC" : "H";
        j["trump"] = g->text[8];
        j["dealt"] = {{"pc", {g->text[2], g->text[3], g->text[4]}}, {"h", {g->text[5], g->text[6], g->text[7]}}};
        auto prese = nlohmann::ordered_json::array();
        for (int k = 1; k <= 20; ++k) {
            const std::string& pc = g->text[cells::pcCard(k)];
            const std::string& h = g->text[cells::humanCard(k)];
            if (pc.empty() && h.empty()) break;  // a game that ended early
            if (pc.empty() || h.empty())
                throw Fault{textLine(pc.empty() ? cells::pcCard(k) : cells::humanCard(k)), "half a trick recorded"};
            nlohmann::ordered_json t;
            t["pc"] = pc;
            t["h"] = h;
            if (g->colour[cells::pcPoints(k)] == colour::RED) t["taker"] = "PC";
            else if (g->colour[cells::humanPoints(k)] == colour::PINK) t["taker"] = "H";
            else throw Fault{colourLine(cells::pcPoints(k)), "no mark of who took the trick"};
            t["pointsPC"] = pointsIn(*g, cells::pcPoints(k));
            t["pointsH"] = pointsIn(*g, cells::humanPoints(k));
            if (k >= 2 && k <= 18) {
                const std::string& dpc = g->text[cells::pcDraw(k)];
                const std::string& dh = g->text[cells::humanDraw(k)];
                if (!dpc.empty() || !dh.empty()) t["drawn"] = {{"pc", dpc}, {"h", dh}};
            }
            prese.push_back(std::move(t));
        }
        j["tricks"] = std::move(prese);
        std::cout << j.dump() << "\n";
    } catch (const Fault& f) {
        return fail(f.reason, f.line);
    }
    return 0;
}

}  // namespace zelvo::engine
