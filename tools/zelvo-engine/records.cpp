// zelvo-engine records [DATI_FOLDER]: the hall of fame as one JSON object. It
// only reads: a damaged file is reported and left as it is.
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "platform/files.h"
#include "records/formati.h"
#include "records/text_file.h"

namespace zelvo::engine {

namespace {

// A file of the folder, found without regard to letter case.
std::string trova(FileSystem& fs, const std::string& cartella, const std::string& nome) {
    for (const auto& e : fs.elenco(cartella)) {
        if (e.size() != nome.size()) continue;
        bool uguale = true;
        for (size_t i = 0; i < e.size() && uguale; ++i)
            uguale = std::tolower(static_cast<unsigned char>(e[i])) == std::tolower(static_cast<unsigned char>(nome[i]));
        if (uguale) return cartella + "/" + e;
    }
    return cartella + "/" + nome;
}

long long numero(const std::string& s) {
    auto n = testo::intero(s);
    return n ? *n : 0;
}

}  // namespace

int records(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        std::fputs("usage: zelvo-engine records [DATI_FOLDER]\n", stderr);
        return 2;
    }
    FileSystem fs(RadiciDati::diSistema());
    std::string cartella = args.empty() ? fs.reale("C:\\Programmi\\Zelvo\\Dati") : args[0];
    const std::string pc = trova(fs, cartella, "ZlvClass.txt"), pp = trova(fs, cartella, "ZlvPart.txt"),
                      pa = trova(fs, cartella, "ZlvAlbo.txt");
    auto fallito = [](const std::string& file, const formati::Errore& e) {
        std::fprintf(stderr, "%s: %s\n", file.c_str(), e.testo().c_str());
        return 2;
    };

    formati::Classifica c;
    formati::Errore e;
    if (auto b = fs.leggi(pc)) {
        auto letta = formati::leggiClassifica(*b, &e);
        if (!letta) return fallito(pc, e);
        c = *letta;
    }
    int n = 0;
    std::vector<std::string> voci;
    auto bp = fs.leggi(pp);
    auto ba = fs.leggi(pa);
    if (bp) {
        auto letto = formati::leggiPartite(*bp, &e);
        if (!letto) return fallito(pp, e);
        n = *letto;
        if (ba) {
            auto lette = formati::leggiAlbo(*ba, n, &e);
            if (!lette) return fallito(pa, e);
            voci = std::move(*lette);
        } else if (n > 0) {
            std::fprintf(stderr, "%s: missing, but %s counts %d matches\n", pa.c_str(), pp.c_str(), n);
            return 2;
        }
    } else if (ba) {
        // Without its count the register counts its own entries, as the game does.
        auto lette = formati::leggiAlboSenzaConteggio(*ba, &e);
        if (!lette) return fallito(pa, e);
        voci = std::move(*lette);
    }
    // A register saved without its new count holds one entry more: the game takes
    // the entries it read, and so does this view.
    if (ba) n = static_cast<int>(voci.size());

    nlohmann::ordered_json j;
    auto classifica = nlohmann::ordered_json::array();
    for (int i = 1; i <= 10; ++i) {
        const RankingRow& r = c.righe[i];
        if (r.nome.empty()) continue;
        nlohmann::ordered_json o;
        o["position"] = i;
        o["name"] = r.nome;
        o["won"] = numero(r.vinte);
        o["lost"] = numero(r.perse);
        o["date"] = r.data;
        classifica.push_back(std::move(o));
    }
    j["ranking"] = std::move(classifica);
    nlohmann::ordered_json stat;
    for (int k = 1; k <= 5; ++k)
        stat[std::string(1, static_cast<char>('A' + k - 1))] = {{"won", numero(c.vittorie[k])},
                                                                {"lost", numero(c.sconfitte[k])}};
    j["statistics"] = std::move(stat);
    j["register"] = voci;
    j["matches"] = n;
    std::cout << j.dump() << "\n";
    return 0;
}

}  // namespace zelvo::engine
