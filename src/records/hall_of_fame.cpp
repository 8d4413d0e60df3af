// The hall of fame: ranking, statistics by level and the register of matches.
#include <cstdio>

#include "records/hall_of_fame.h"

#include "platform/files.h"
#include "formats/file_formats.h"
#include "records/record_files.h"
#include "formats/text_file.h"

namespace zelvo {

namespace {

// A count held as decimal text; anything else counts as 0.
long long count(const std::string& s) {
    auto n = textfile::whole(s);
    return n ? *n : 0;
}

std::string shortDate(const DateTime& d) {
    char b[32];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", d.day, d.month, d.year);
    return b;
}

std::string registerDate(const DateTime& d) {
    char b[32];
    std::snprintf(b, sizeof b, "%d/%d/%02d", d.day, d.month, d.year % 100);
    return b;
}

std::string timeOf(const DateTime& d) {
    char b[16];
    std::snprintf(b, sizeof b, "%d:%02d", d.hour, d.minute);
    return b;
}

void show(RankingRow& r) { r.positionShown = r.wonShown = r.lostShown = true; }

}  // namespace

std::string registerEntry(int n, bool humanWon, bool peeked, const std::string& name, int level, int gamesH,
                          int gamesPC, const DateTime& when) {
    std::string zelvo = "ZELVO";
    if (level >= 1 && level <= 5) zelvo += std::string(" ") + static_cast<char>('A' + level - 1);
    const std::string tail = "   " + registerDate(when) + "  " + timeOf(when);
    std::string v = std::to_string(n) + ")  ";
    if (humanWon)
        v += name + (peeked ? " * - " : " - ") + zelvo + "    " + std::to_string(gamesH) + "-" + std::to_string(gamesPC);
    else
        v += zelvo + " - " + name + (peeked ? " *    " : "    ") + std::to_string(gamesPC) + "-" + std::to_string(gamesH);
    return v + tail;
}

void HallOfFame::AggiornaClassifica() {
    const HallOfFameModel& m = m_;
    RecordsState& r = m.records;
    auto& c = r.classifica;
    const DateTime today = platform_.clock.now();
    const std::string date = shortDate(today);

    // 1
    for (int i = 1; i <= 10; ++i) c[i].highlighted = false;

    // 2. The winner's name label is the opaque one.
    const Window& f = m.window;
    const bool humanWon = f.lblH.opaca ? true : f.lblPC.opaca ? false : m.game.lblPartiteH > m.game.lblPartitePC;
    const std::string humanName = f.lblH.Caption;
    const std::string winner = humanWon ? humanName : "ZELVO";
    const std::string loser = humanWon ? "ZELVO" : humanName;
    r.lblNomeVincitorePartita = winner;

    auto find = [&](const std::string& name) {
        for (int i = 1; i <= 10; ++i)
            if (c[i].name == name) return i;
        return 0;
    };

    // 3. The loser moves down past the rows with the same wins and fewer losses.
    if (int p = find(loser)) {
        c[p].lost = std::to_string(count(c[p].lost) + 1);
        const long long lost = count(c[p].lost);
        int t = 0;
        for (int i = p + 1; i <= 10; ++i)
            if (c[i].won == c[p].won && !c[i].name.empty() && count(c[i].lost) < lost) t = i;
        if (t) {
            c[11] = c[p];
            for (int i = p; i < t; ++i) c[i] = c[i + 1];
            c[t] = c[11];
            show(c[t]);
        }
    } else {
        int z = 0;
        for (int i = 1; i <= 10 && !z; ++i)
            if (count(c[i].won) == 0) z = i;
        if (z) {
            for (int i = 10; i > z; --i) c[i] = c[i - 1];
            c[z] = RankingRow{loser, "0", "1", date};
            show(c[z]);
        }
    }

    // 4. The winner goes above every row with the same record.
    if (int w = find(winner)) {
        c[11] = c[w];
        c[11].won = std::to_string(count(c[w].won) + 1);
        c[11].date = date;
        const long long won = count(c[11].won), lost = count(c[11].lost);
        int d = w;
        for (int i = 1; i <= 10; ++i) {
            long long v = count(c[i].won);
            if (v < won || (v == won && count(c[i].lost) >= lost)) {
                d = i;
                break;
            }
        }
        for (int i = w; i > d; --i) c[i] = c[i - 1];
        c[d] = c[11];
        show(c[d]);
        c[d].highlighted = true;
    } else {
        int d = 0;
        for (int i = 1; i <= 10 && !d; ++i)
            if (count(c[i].won) < 2) d = i;
        if (d) {
            for (int i = 10; i > d; --i) c[i] = c[i - 1];
            c[d] = RankingRow{winner, "1", "0", date};
            show(c[d]);
            c[d].highlighted = true;
        }
    }
    c[11] = RankingRow{};

    // 5
    if (int k = levelNumber(m.options.get<Level>())) {
        auto& s = humanWon ? r.lblSconfittePCVariLivelli[k] : r.lblVittoriePCVariLivelli[k];
        s = std::to_string(count(s) + 1);
    }

    // 6
    m.data.lblIndicazioniPannellodati2 = registerDate(today) + " - " + timeOf(today);

    // 7. After the last entry.
    size_t n = 0;
    while (n < r.LstAlbo.size() && !r.LstAlbo[n].empty()) ++n;
    r.LstAlbo.resize(n);
    r.LstAlbo.push_back(registerEntry(static_cast<int>(n) + 1, humanWon, m.game.lblSbirciata, humanName,
                                      levelNumber(m.options.get<Level>()), m.game.lblPartiteH, m.game.lblPartitePC, today));
}

void HallOfFame::SalvaAlbo() {
    RecordsState& r = m_.records;
    size_t n = 0;
    while (n < r.LstAlbo.size() && !r.LstAlbo[n].empty()) ++n;
    r.LstAlbo.resize(n);
    r.lblTotalePartite = static_cast<int>(n);

    FileSystem* fs = platform_.files;
    if (!fs || r.alboNonSalvabile) return;
    RecordsData d;
    for (int i = 1; i <= 10; ++i) d.ranking.rows[i] = r.classifica[i];
    d.ranking.wins = r.lblVittoriePCVariLivelli;
    d.ranking.losses = r.lblSconfittePCVariLivelli;
    d.entries = r.LstAlbo;
    saveRecords(*fs, d);
}

void HallOfFame::CaricaAlbo() {
    FileSystem* fs = platform_.files;
    if (!fs) return;
    const DateTime now = platform_.clock.now();
    recoverRecords(*fs, now);
    RecordFilesLoad l = loadRecords(*fs, now);
    RecordsState& r = m_.records;
    for (int i = 1; i <= 10; ++i) {
        r.classifica[i] = l.data.ranking.rows[i];
        r.classifica[i].highlighted = false;
    }
    r.lblVittoriePCVariLivelli = l.data.ranking.wins;
    r.lblSconfittePCVariLivelli = l.data.ranking.losses;
    r.LstAlbo = std::move(l.data.entries);
    r.lblTotalePartite = static_cast<int>(r.LstAlbo.size());
    r.alboNonSalvabile = l.saveBlocked;
}

}  // namespace zelvo
