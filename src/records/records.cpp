// The hall of fame: ranking, statistics by level and the register of matches.
#include <cstdio>

#include "platform/clock.h"
#include "platform/files.h"
#include "records/formati.h"
#include "records/record_files.h"
#include "records/registri.h"
#include "records/text_file.h"
#include "ui/principale.h"

namespace zelvo {

namespace {

const char* const LIVELLI[5] = {"Massima (Livello A)", "Alta (Livello B)", "Media (Livello C)", "Bassa (Livello D)",
                                "Minima (Livello E)"};

// The level 1..5 of option 12, 0 for a value the game does not know.
int livello(const Options& o) {
    for (int k = 0; k < 5; ++k)
        if (o.is(opz::Abilita, LIVELLI[k])) return k + 1;
    return 0;
}

// A count held as decimal text; anything else counts as 0.
long long numero(const std::string& s) {
    auto n = testo::intero(s);
    return n ? *n : 0;
}

std::string dataBreve(const DataOra& d) {
    char b[32];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", d.giorno, d.mese, d.anno);
    return b;
}

std::string dataRegistro(const DataOra& d) {
    char b[32];
    std::snprintf(b, sizeof b, "%d/%d/%02d", d.giorno, d.mese, d.anno % 100);
    return b;
}

std::string ora(const DataOra& d) {
    char b[16];
    std::snprintf(b, sizeof b, "%d:%02d", d.ora, d.minuto);
    return b;
}

void visibile(RankingRow& r) { r.posizioneVisibile = r.vinteVisibile = r.perseVisibile = true; }

}  // namespace

// The register entry of the match just ended.
std::string voceAlbo(int n, bool vinceH, bool sbirciata, const std::string& nome, int livelloZelvo, int giochiH,
                     int giochiPC, const DataOra& quando) {
    std::string zelvo = "ZELVO";
    if (livelloZelvo >= 1 && livelloZelvo <= 5) zelvo += std::string(" ") + static_cast<char>('A' + livelloZelvo - 1);
    std::string coda = "   " + dataRegistro(quando) + "  " + ora(quando);
    std::string v = std::to_string(n) + ")  ";
    if (vinceH)
        v += nome + (sbirciata ? " * - " : " - ") + zelvo + "    " + std::to_string(giochiH) + "-" +
             std::to_string(giochiPC);
    else
        v += zelvo + " - " + nome + (sbirciata ? " *    " : "    ") + std::to_string(giochiPC) + "-" +
             std::to_string(giochiH);
    return v + coda;
}

void Records::AggiornaClassifica() {
    Model& m = w_.m;
    RecordsState& r = m.records;
    auto& c = r.classifica;
    const DataOra oggi = w_.piattaforma.clock.now();
    const std::string data = dataBreve(oggi);

    // 1
    for (int i = 1; i <= 10; ++i) c[i].evidenziata = false;

    // 2. The winner's name label is the opaque one.
    const Window& f = m.window;
    const bool vinceH = f.lblH.opaca ? true : f.lblPC.opaca ? false : m.game.lblPartiteH > m.game.lblPartitePC;
    const std::string nomeH = f.lblH.Caption;
    const std::string vincitore = vinceH ? nomeH : "ZELVO";
    const std::string perdente = vinceH ? "ZELVO" : nomeH;
    r.lblNomeVincitorePartita = vincitore;

    auto trova = [&](const std::string& nome) {
        for (int i = 1; i <= 10; ++i)
            if (c[i].nome == nome) return i;
        return 0;
    };

    // 3. The loser moves down past the rows with the same wins and fewer losses.
    if (int p = trova(perdente)) {
        c[p].perse = std::to_string(numero(c[p].perse) + 1);
        const long long perse = numero(c[p].perse);
        int t = 0;
        for (int i = p + 1; i <= 10; ++i)
            if (c[i].vinte == c[p].vinte && !c[i].nome.empty() && numero(c[i].perse) < perse) t = i;
        if (t) {
            c[11] = c[p];
            for (int i = p; i < t; ++i) c[i] = c[i + 1];
            c[t] = c[11];
            visibile(c[t]);
        }
    } else {
        int z = 0;
        for (int i = 1; i <= 10 && !z; ++i)
            if (numero(c[i].vinte) == 0) z = i;
        if (z) {
            for (int i = 10; i > z; --i) c[i] = c[i - 1];
            c[z] = RankingRow{perdente, "0", "1", data};
            visibile(c[z]);
        }
    }

    // 4. The winner goes above every row with the same record.
    if (int w = trova(vincitore)) {
        c[11] = c[w];
        c[11].vinte = std::to_string(numero(c[w].vinte) + 1);
        c[11].data = data;
        const long long vinte = numero(c[11].vinte), perse = numero(c[11].perse);
        int d = w;
        for (int i = 1; i <= 10; ++i) {
            long long v = numero(c[i].vinte);
            if (v < vinte || (v == vinte && numero(c[i].perse) >= perse)) {
                d = i;
                break;
            }
        }
        for (int i = w; i > d; --i) c[i] = c[i - 1];
        c[d] = c[11];
        visibile(c[d]);
        c[d].evidenziata = true;
    } else {
        int d = 0;
        for (int i = 1; i <= 10 && !d; ++i)
            if (numero(c[i].vinte) < 2) d = i;
        if (d) {
            for (int i = 10; i > d; --i) c[i] = c[i - 1];
            c[d] = RankingRow{vincitore, "1", "0", data};
            visibile(c[d]);
            c[d].evidenziata = true;
        }
    }
    c[11] = RankingRow{};

    // 5
    if (int k = livello(m.options)) {
        auto& s = vinceH ? r.lblSconfittePCVariLivelli[k] : r.lblVittoriePCVariLivelli[k];
        s = std::to_string(numero(s) + 1);
    }

    // 6
    m.data.lblIndicazioniPannellodati2 = dataRegistro(oggi) + " - " + ora(oggi);

    // 7. After the last entry.
    size_t n = 0;
    while (n < r.LstAlbo.size() && !r.LstAlbo[n].empty()) ++n;
    r.LstAlbo.resize(n);
    r.LstAlbo.push_back(voceAlbo(static_cast<int>(n) + 1, vinceH, m.game.lblSbirciata, nomeH, livello(m.options),
                                 m.game.lblPartiteH, m.game.lblPartitePC, oggi));
}

void Records::SalvaAlbo() {
    Model& m = w_.m;
    RecordsState& r = m.records;
    size_t n = 0;
    while (n < r.LstAlbo.size() && !r.LstAlbo[n].empty()) ++n;
    r.LstAlbo.resize(n);
    m.game.lblTotalePartite = static_cast<int>(n);

    FileSystem* fs = w_.piattaforma.files;
    if (!fs || r.alboNonSalvabile) return;
    RecordsData d;
    for (int i = 1; i <= 10; ++i) d.ranking.righe[i] = r.classifica[i];
    d.ranking.vittorie = r.lblVittoriePCVariLivelli;
    d.ranking.sconfitte = r.lblSconfittePCVariLivelli;
    d.entries = r.LstAlbo;
    saveRecords(*fs, d);
}

void Records::CaricaAlbo() {
    FileSystem* fs = w_.piattaforma.files;
    if (!fs) return;
    const DataOra now = w_.piattaforma.clock.now();
    recoverRecords(*fs, now);
    RecordFilesLoad l = loadRecords(*fs, now);
    RecordsState& r = w_.m.records;
    for (int i = 1; i <= 10; ++i) {
        r.classifica[i] = l.data.ranking.righe[i];
        r.classifica[i].evidenziata = false;
    }
    r.lblVittoriePCVariLivelli = l.data.ranking.vittorie;
    r.lblSconfittePCVariLivelli = l.data.ranking.sconfitte;
    r.LstAlbo = std::move(l.data.entries);
    w_.m.game.lblTotalePartite = static_cast<int>(r.LstAlbo.size());
    r.alboNonSalvabile = l.saveBlocked;
}

}  // namespace zelvo
