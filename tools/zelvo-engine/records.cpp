// zelvo-engine records [DATI_FOLDER]: the hall of fame as one JSON object. It
// only reads: a record file that is damaged, unreadable or not a file at all
// is reported as {"error": ..., "file": ...} with exit status 2, and left as it is.
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "platform/files.h"
#include "records/record_files.h"
#include "formats/text_file.h"

namespace zelvo::engine {

namespace {

long long numero(const std::string& s) {
    auto n = textfile::whole(s);
    return n ? *n : 0;
}

}  // namespace

int records(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        std::fputs("usage: zelvo-engine records [DATI_FOLDER]\n", stderr);
        return 2;
    }
    FileSystem fs(DataRoots::ofThisMachine());
    const RecordPaths paths = args.empty() ? recordPaths(fs) : recordPaths(fs, args[0]);
    // The files as the game would find them, a save it must finish included.
    const RecordFilesRead r = readRecordFiles(fs, paths);
    for (const RecordFileState* f : {&r.ranking, &r.count, &r.entries})
        if (f->faulty()) {
            nlohmann::ordered_json e{{"error", f->reason}, {"file", f->path}};
            if (f->line > 0) e["line"] = f->line;
            std::cout << e.dump() << "\n";
            return 2;
        }

    const formats::Ranking& c = r.data.ranking;
    nlohmann::ordered_json j;
    auto classifica = nlohmann::ordered_json::array();
    for (int i = 1; i <= 10; ++i) {
        const RankingRow& row = c.rows[i];
        if (row.name.empty()) continue;
        nlohmann::ordered_json o;
        o["position"] = i;
        o["name"] = row.name;
        o["won"] = numero(row.won);
        o["lost"] = numero(row.lost);
        o["date"] = row.date;
        classifica.push_back(std::move(o));
    }
    j["ranking"] = std::move(classifica);
    nlohmann::ordered_json stat;
    for (int k = 1; k <= 5; ++k)
        stat[std::string(1, static_cast<char>('A' + k - 1))] = {{"won", numero(c.wins[k])},
                                                                {"lost", numero(c.losses[k])}};
    j["statistics"] = std::move(stat);
    j["register"] = r.data.entries;
    j["matches"] = r.data.entries.size();
    std::cout << j.dump() << "\n";
    return 0;
}

}  // namespace zelvo::engine
