#include "audio/remarks_text.h"

#include <array>
#include <cctype>
#include <string>
#include <unordered_map>

namespace zelvo {
namespace {

// The words suit the moment each file is played in. The player may be a man or
// a woman, so ZELVO never speaks of the player with a gendered word.
constexpr std::array<RemarkText, 176> TEXTS{{
    // 1v: ZELVO led and took the trick.
    // 01-06, 25-30: the player answered with a plain card.
    {"1v01", "Questa presa è mia, grazie!"},
    {"1v02", "E anche questa presa è mia."},
    {"1v03", "Gioco io, prendo io: semplice, no?"},
    {"1v04", "Tutto secondo i piani."},
    {"1v05", "Una scartina? Prudente, ma la presa è mia."},
    {"1v06", "Mia, senza fatica!"},
    // 07-12: the player gave up a figure.
    {"1v07", "Anche una figura, grazie!"},
    {"1v08", "Una figura, grazie!"},
    {"1v09", "Qualche punto in più non guasta."},
    {"1v10", "Una figura? La tengo io."},
    {"1v11", "Punti in tasca, grazie!"},
    {"1v12", "Grazie mille!"},
    // 13-18: the player gave up a Tre or an Asso.
    {"1v13", "Un carico! Grazie!"},
    {"1v14", "Mi regali un carico? Che generosità, oggi!"},
    {"1v15", "Ma che bel regalo!"},
    {"1v16", "Un carico così non si butta!"},
    {"1v17", "Grazie del carico!"},
    {"1v18", "Oh, che bel bottino!"},
    // 19-20 a Fante, 21-22 a Cavallo, 23-24 a Re.
    {"1v19", "Il tuo Fante adesso lavora per me: due punti in più!"},
    {"1v20", "Grazie del Fante!"},
    {"1v21", "Bel Cavallo, grazie!"},
    {"1v22", "Il tuo Cavallo adesso galoppa per me!"},
    {"1v23", "Anche il Re si inchina a me!"},
    {"1v24", "Il Re è mio, grazie!"},
    {"1v25", "Una presa facile facile."},
    {"1v26", "Anche questa presa è mia."},
    {"1v27", "Come previsto: mia."},
    {"1v28", "Liscio, eh? Prendo io."},
    {"1v29", "Tieni i punti per dopo? Vedremo."},
    {"1v30", "Nessun problema, è mia."},

    // 1p: ZELVO led and lost the trick.
    // 01-06: a trick of little worth.
    {"1p01", "Prendi pure, vale poco."},
    {"1p02", "Te la regalo!"},
    {"1p03", "Tanto è roba da poco."},
    {"1p04", "Prendila pure, non importa."},
    {"1p05", "Tienila!"},
    {"1p06", "Briciole, tienile."},
    // 07-12: a few points.
    {"1p07", "Qualche punto, pazienza."},
    {"1p08", "Questa me la potevo risparmiare."},
    {"1p09", "Ah, bella giocata."},
    {"1p10", "Mi hai soffiato qualche punto."},
    {"1p11", "Va bene, è tua."},
    {"1p12", "Punti tuoi, per adesso."},
    // 13-18: a Tre or an Asso was in the trick.
    {"1p13", "Ahi, c'era un carico!"},
    {"1p14", "Punti pesanti, uffa!"},
    {"1p15", "Questa presa vale parecchio, peccato."},
    {"1p16", "C'era un carico, e l'hai preso tu."},
    {"1p17", "Accidenti, questa pesa!"},
    {"1p18", "Bel colpo, lo ammetto: ma la partita è ancora lunga."},
    // 19-24: two heavy cards, a rich trick lost.
    {"1p19", "Che mazzata! Non ci voleva."},
    {"1p20", "Ahi ahi ahi, questa presa fa proprio male."},
    {"1p21", "Tutti quei punti a te? Che disastro!"},
    {"1p22", "Ahi, che botta!"},
    {"1p23", "Questa me la ricorderò a lungo."},
    {"1p24", "Oh, mamma mia!"},

    // 2v: the player led and ZELVO took the trick.
    // 01-06: taken in the same suit, with points.
    {"2v01", "Rispondo e prendo tutto."},
    {"2v02", "Bella presa, ed è mia!"},
    {"2v03", "E questa è mia!"},
    {"2v04", "Hai aperto male: quei punti adesso sono miei."},
    {"2v05", "Punti buoni, grazie!"},
    {"2v06", "Che bottino, grazie!"},
    // 07-10: taken in the same suit, few points.
    {"2v07", "Questa è mia!"},
    {"2v08", "Poca roba, ma mia."},
    {"2v09", "Pochi punti, ma li prendo."},
    {"2v10", "Anche questa è mia!"},
    // 11-16: taken with a briscola, a rich trick.
    {"2v11", "Briscola!"},
    {"2v12", "Briscola, e punti!"},
    {"2v13", "Che colpo grosso!"},
    {"2v14", "Briscola al momento giusto: il bottino è mio."},
    {"2v15", "Briscola ben spesa!"},
    {"2v16", "Una briscola proprio d'oro!"},
    // 17-20: taken with a briscola, a poor trick.
    {"2v17", "Per questa basta una briscolina, e avanza pure."},
    {"2v18", "Mi basta una briscola piccola piccola: per così pochi punti non serve di più."},
    {"2v19", "Briscola piccola, presa sicura."},
    {"2v20", "Basta poco per prendere questa."},
    // 21-28: the suit of the player's card: Denari, Coppe, Spade, Bastoni.
    {"2v21", "Denari! Li metto subito nel mio salvadanaio, e non li rivedi più."},
    {"2v22", "I denari mi piacciono sempre: grazie!"},
    {"2v23", "Coppe! Alzo il calice e brindo: questa presa è mia."},
    {"2v24", "Una coppa? La riempio di punti e me la bevo, alla salute!"},
    {"2v25", "Spade? Occhio a non tagliarti: la lama ora è mia."},
    {"2v26", "Una spada? La rinfodero io."},
    {"2v27", "Bastoni? Con questo bastone ti tengo a bada."},
    {"2v28", "Bastoni! Li raccolgo tutti, per il mio caminetto."},

    // 2p: the player led and took the trick.
    // 01-06, 19-24: ZELVO threw a plain card.
    {"2p01", "Prendi, è una scartina."},
    {"2p02", "Tienila, non mi serve."},
    {"2p03", "Ti lascio una scartina."},
    {"2p04", "Da me non hai proprio niente."},
    {"2p05", "Scarto e aspetto il momento."},
    {"2p06", "Non la contesto: ti do solo un liscio."},
    // 07-12: ZELVO lost a figure.
    {"2p07", "Addio, mia figura."},
    {"2p08", "Ti ho dato una figura: non abituarti."},
    {"2p09", "Pochi punti, va bene."},
    {"2p10", "Una figura per te: goditela."},
    {"2p11", "Pazienza, dai!"},
    {"2p12", "Tieni, una figura."},
    // 13-18: ZELVO lost a Tre or an Asso.
    {"2p13", "Il mio carico è finito a te: questa non ci voleva."},
    {"2p14", "Ahi ahi, ho perso un carico!"},
    {"2p15", "Un carico regalato, che errore!"},
    {"2p16", "Ahi, il mio povero carico!"},
    {"2p17", "Tanti punti buttati via. Accidenti!"},
    {"2p18", "Addio, carico mio!"},
    {"2p19", "Prendi pure!"},
    {"2p20", "Le carte buone le tengo per dopo, vedrai."},
    {"2p21", "Pazienza, per ora passo."},
    {"2p22", "Niente di buono per te."},
    {"2p23", "Uno scarto, e via."},
    {"2p24", "Prendi pure: le carte migliori le tengo per il finale."},

    // Impaz: the player is slow to play.
    {"Impaz01", "Allora, ti decidi a giocare?"},
    {"Impaz02", "Guarda che il tempo passa anche per te!"},
    {"Impaz03", "Ci stai pensando davvero tanto, eh?"},
    {"Impaz04", "Dai, non ho tutto il giorno!"},
    {"Impaz05", "Ehi, guarda che tocca a te!"},
    {"Impaz06", "Su, gioca una carta!"},
    {"Impaz07", "Mi sto proprio annoiando..."},
    {"Impaz08", "E allora, giochi?"},
    {"Impaz09", "Pronto? C'è qualcuno dall'altra parte?"},
    {"Impaz10", "Sveglia, tocca a te!"},
    {"Impaz11", "Muoviti, dai!"},
    {"Impaz12", "Su, forza!"},
    {"Impaz13", "Quanto ci vuoi pensare ancora?"},
    {"Impaz14", "Guarda che le carte non cambiano, anche se le fissi."},
    {"Impaz15", "Che lentezza, mamma mia!"},
    {"Impaz16", "Oggi o domani?"},
    {"Impaz17", "E dai!"},
    {"Impaz18", "Coraggio, su!"},
    {"Impaz19", "Ehi, ci sei?"},
    {"Impaz20", "Gioca, su!"},
    {"Impaz21", "Sto aspettando!"},
    {"Impaz22", "Non mordono, le carte!"},
    {"Impaz23", "Allora?"},
    {"Impaz24", "Scegli una carta, una qualsiasi!"},

    // Inizio: the deal. 01-12 the first game since the program started
    // (05 also follows a drawn game), 13-18 after a game ZELVO won,
    // 19-24 after a game the player won.
    {"Inizio01", "Ciao! Sono Zelvo, e oggi a briscola non ti faccio sconti."},
    {"Inizio02", "Eccoci! Mescolo e distribuisco io."},
    {"Inizio03", "Si parte! Occhio alla briscola."},
    {"Inizio04", "Finalmente una bella partita a briscola!"},
    {"Inizio05", "Carte in tavola: che vinca il migliore!"},
    {"Inizio06", "Io sono pronto, e ti avverto: oggi sono in gran forma."},
    {"Inizio07", "Vediamo se oggi la fortuna sta con te."},
    {"Inizio08", "Ti avverto: a briscola sono un osso duro, ma gioco pulito."},
    {"Inizio09", "Tu contro di me, a briscola: le carte sono mescolate, e che la fortuna ci assista!"},
    {"Inizio10", "Ciao! Spero che oggi tu sia in forma, perché io lo sono eccome."},
    {"Inizio11", "Mescolo bene le carte, così nessuno può dire che ho barato. Si comincia!"},
    {"Inizio12", "Eccomi! Sono Zelvo, il tuo avversario: preparati a soffrire, ma con allegria."},
    {"Inizio13", "Ho vinto io l'ultima: vediamo se ti rifai."},
    {"Inizio14", "Ancora tu? Ti piace perdere, eh?"},
    {"Inizio15", "Dopo quella vittoria mi sento invincibile. Avanti!"},
    {"Inizio16", "La partita di prima è andata a me, ma non mollare: magari stavolta la fortuna cambia lato."},
    {"Inizio17", "Cerchi la rivincita? Bene, mescolo le carte e ti aspetto."},
    {"Inizio18", "Ho vinto io, ma senza esagerare. Stavolta ti lascio almeno qualche presa."},
    {"Inizio19", "Hai vinto tu, d'accordo, ma adesso tocca a me."},
    {"Inizio20", "Complimenti per la vittoria. Ora però voglio la rivincita!"},
    {"Inizio21", "Fortuna del principiante! Si ricomincia."},
    {"Inizio22", "L'ultima l'hai vinta tu, lo ammetto. Ma stavolta non mi lascio sorprendere."},
    {"Inizio23", "Mi hai battuto, ma non succederà di nuovo."},
    {"Inizio24", "Brucia ancora, quella sconfitta. Adesso si fa sul serio!"},

    // Fine: the end of a game. 01-06 ZELVO won, 07-12 the player won, 13 a draw.
    {"Fine01", "Ho vinto io! Bella partita."},
    {"Fine02", "Vittoria! Ma hai giocato bene anche tu."},
    {"Fine03", "Ecco fatto: la partita è mia."},
    {"Fine04", "Ho vinto, evviva!"},
    {"Fine05", "Eh, chi la dura la vince!"},
    {"Fine06", "Stavolta è andata a me, mi spiace!"},
    {"Fine07", "Complimenti, hai vinto tu."},
    {"Fine08", "Hai vinto, ma solo per fortuna!"},
    {"Fine09", "Accidenti, mi hai battuto!"},
    {"Fine10", "Vittoria meritata, complimenti!"},
    {"Fine11", "Uffa, hai vinto!"},
    {"Fine12", "Hai vinto tu, ma la prossima non sarà così facile!"},
    {"Fine13", "Pari e patta!"},

    // Esci: 01-06 the farewell when the player leaves, 07-09 the player stays.
    {"Esci01", "Ciao, alla prossima!"},
    {"Esci02", "Arrivederci, a presto!"},
    {"Esci03", "Già te ne vai? Ciao!"},
    {"Esci04", "A presto, ciao!"},
    {"Esci05", "Torna presto, eh!"},
    {"Esci06", "Ciao, e grazie!"},
    {"Esci07", "Ah, meglio così!"},
    {"Esci08", "Evviva, resti!"},
    {"Esci09", "Bene, allora si continua!"},
}};

// A name in lower case, the key the remarks are found by: file names ignore case.
std::string lowered(std::string_view name) {
    std::string k(name);
    for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

}  // namespace

std::span<const RemarkText> remarkTexts() { return TEXTS; }

int countSyllables(std::string_view text) {
    // 0: not a letter of a word, 1: consonant, 2: i or u, 3: a, e, o or an accented vowel.
    auto kind = [](std::string_view t, size_t& i) {
        const unsigned char c = t[i];
        if (c == 0xC3 && i + 1 < t.size()) {
            const unsigned char d = t[++i];  // à è é ì í ò ó ù ú and their capitals
            switch (d | 0x20) {
                case 0xA0: case 0xA8: case 0xA9: case 0xAC: case 0xAD: case 0xB2: case 0xB3: case 0xB9: case 0xBA:
                    return 3;
                default:
                    return 1;
            }
        }
        if (c >= 0x80) return 1;
        const char l = static_cast<char>(std::tolower(c));
        if (l == 'a' || l == 'e' || l == 'o') return 3;
        if (l == 'i' || l == 'u') return 2;
        return std::isalpha(c) ? 1 : 0;
    };
    int syllables = 0, strong = 0;
    bool inVowels = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        const int k = i < text.size() ? kind(text, i) : 0;
        if (k >= 2) {
            inVowels = true;
            if (k == 3) ++strong;
            continue;
        }
        if (inVowels) syllables += strong > 0 ? strong : 1;
        inVowels = false;
        strong = 0;
    }
    return syllables;
}

const char* remarkText(std::string_view file) {
    // Every remark the game plays is looked up here, so the table is indexed once.
    static const std::unordered_map<std::string, const char*> byName = [] {
        std::unordered_map<std::string, const char*> m;
        for (const RemarkText& t : TEXTS) m.emplace(lowered(t.file), t.words);
        return m;
    }();
    // The game names its files by full path with backslashes.
    const size_t slash = file.find_last_of("\\/");
    if (slash != std::string_view::npos) file.remove_prefix(slash + 1);
    std::string key = lowered(file);
    if (key.size() > 4 && key.ends_with(".wav")) key.resize(key.size() - 4);
    const auto it = byName.find(key);
    return it == byName.end() ? nullptr : it->second;
}

}  // namespace zelvo
