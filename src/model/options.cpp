#include "model/options.h"

namespace zelvo {

namespace {

const std::vector<std::string> COLORI = {
    "Verde Veronese", "Acqua", "' 98", "Azzurro bebé", "Aviazione", "Lavanda", "Blues", "Grigio cemento",
    "Glicine", "Violetta", "Viola antico", "Lambrusco", "Rosso mattone", "Legno", "Cioccolata", "Caffé",
    "Caffelatte", "Sahara", "Senape", "Divisa militare", "Grigio topo", "Muschio", "Verde nobile", "Salvia"};

struct Definizione {
    const char* voce;
    std::vector<std::string> valori;
    const char* iniziale;
};

const std::array<Definizione, opz::NUMERO>& definizioni() {
    static const std::array<Definizione, opz::NUMERO> d = {{
        {"Variazioni grafiche casuali:", {"No", "All'inizio della Partita", "All'inizio di ogni Gioco"},
         "All'inizio della Partita"},
        {"Colour Tavolo e Pannelli:", COLORI, "Rosso mattone"},
        {"Cambio Brano:", {"Dopo il brano precedente", "Dopo un nuovo Gioco"}, "Dopo il brano precedente"},
        {"Stile Carte:", {"Piacentine", "Napoletane"}, "Piacentine"},
        {"Colour Retro Carte:", COLORI, "Grigio cemento"},
        {"Motivo Retro Carte:",
         {"Nessuno", "Rombi", "Decoro", "Greche", "Arzigogoli", "Scacchiera", "Stelle", "Diagonali", "Arabeschi",
          "Intrecci", "Asterischi", "Spirali", "Ornamenti"},
         "Nessuno"},
        {"Animazione Carte:", {"No", "Veloce", "Media", "Lenta"}, "No"},
        {"Visualizzazione Punteggio:",
         {"Tutti e due i Giocatori", "Solo Zelvo", "Nessuno dei due Giocatori", "Solo il Giocatore umano"},
         "Tutti e due i Giocatori"},
        {"Frequenza Musica:", {"Sempre", "Spesso", "Ogni tanto", "Raramente", "Mai"}, "Ogni tanto"},
        {"Rumori di Gioco:", {"Si", "No"}, "Si"},
        {"Loquacità di Zelvo:", {"Taciturno", "Riservato", "Gentleman", "Loquace", "Pettegolo"}, "Pettegolo"},
        {"Carattere di Zelvo:", {"Pacifico", "Abbastanza tollerante", "Impaziente", "Nervosetto", "Assai nervoso"},
         "Assai nervoso"},
        {"Abilità di Zelvo:",
         {"Massima (Livello A)", "Alta (Livello B)", "Media (Livello C)", "Bassa (Livello D)", "Minima (Livello E)"},
         "Massima (Livello A)"},
        {"Visualizzazione Titoli:", {"Si", "No"}, "Si"},
        {"Presa automatica:", {"No", "Molto Lenta", "Lenta", "Media", "Veloce", "Molto Veloce"}, "Molto Veloce"},
        {"Conclusione del Gioco:", {"Appena uno supera 60 punti", "Fino all'ultima presa"},
         "Appena uno supera 60 punti"},
        {"Conclusione della Partita:", {"Al meglio di 3 Giochi", "Al meglio di 4 Giochi", "Al meglio di 5 Giochi"},
         "Al meglio di 4 Giochi"},
        {"Cerimonia di Premiazione:", {"No", "Al termine di ogni Gioco", "Al termine della Partita"}, "No"},
        {"Mostra carte di Zelvo:", {"No", "Si"}, "No"},
        {"Velocità risposta di Zelvo:", {"Molto Veloce", "Molto Lenta", "Lenta", "Media", "Veloce"}, "Molto Veloce"},
        {"Audio durante l'Analisi:",
         {"Silenzio assoluto", "Interrompi la Musica", "Come nel Gioco", "Spegni i Rumori"},
         "Silenzio assoluto"},
    }};
    return d;
}

constexpr Colour rgb(int r, int g, int b) { return static_cast<Colour>(r | (g << 8) | (b << 16)); }

const Colour TAVOLO[24] = {rgb(78, 146, 81),   rgb(81, 142, 120), rgb(0, 128, 128),   rgb(82, 145, 152),
                           rgb(92, 126, 141),  rgb(77, 123, 157), rgb(106, 120, 159), rgb(128, 128, 128),
                           rgb(136, 125, 172), rgb(149, 113, 157), rgb(139, 105, 124), rgb(147, 87, 102),
                           rgb(169, 88, 65),   rgb(155, 95, 61),  rgb(152, 115, 82),  rgb(136, 114, 77),
                           rgb(152, 125, 71),  rgb(173, 139, 61), rgb(152, 150, 54),  rgb(129, 131, 50),
                           rgb(123, 132, 102), rgb(101, 133, 69), rgb(105, 138, 89),  rgb(94, 133, 90)};
const Colour RETRO[24] = {rgb(67, 124, 70),   rgb(69, 122, 104), rgb(0, 106, 106),  rgb(66, 118, 125),
                          rgb(79, 109, 123),  rgb(64, 101, 128), rgb(87, 101, 136), rgb(114, 114, 114),
                          rgb(121, 109, 163), rgb(130, 95, 135), rgb(125, 94, 111), rgb(135, 78, 92),
                          rgb(154, 80, 58),   rgb(125, 95, 66),  rgb(132, 100, 70), rgb(122, 102, 69),
                          rgb(138, 114, 64),  rgb(150, 120, 52), rgb(121, 119, 43), rgb(104, 107, 41),
                          rgb(118, 114, 88),  rgb(90, 119, 62),  rgb(94, 122, 80),  rgb(80, 114, 78)};

int indiceColore(const std::string& nome) {
    for (int i = 0; i < 24; ++i)
        if (COLORI[i] == nome) return i;
    return 23;
}

}  // namespace

Colour coloreTavolo(const std::string& nome) { return TAVOLO[indiceColore(nome)]; }
Colour coloreRetro(const std::string& nome) { return RETRO[indiceColore(nome)]; }
const std::string& nomeColore(int indice) { return COLORI[(indice - 1) % 24]; }

Options::Options() {
    for (int i = 0; i < opz::NUMERO; ++i) {
        lblOpzione[i] = valoreIniziale(i);
        lblVoce[i] = voce(i);
        lblVoceColore[i] = colour::LIGHT_GREEN;
    }
}

const char* voce(int i) { return definizioni()[i].voce; }
const std::vector<std::string>& valori(int i) { return definizioni()[i].valori; }
const char* valoreIniziale(int i) { return definizioni()[i].iniziale; }

const char* suggerimento(int i) {
    static const char* const SUGGERIMENTI[opz::NUMERO] = {
        "Volendo puoi far variare in modo casuale ad ogni Partita (o ad ogni Gioco) le opzioni di colore e del "
        "retro delle carte ",
        "Puoi scegliere fra 24 differenti colori di sfondo!",
        "Puoi decidere il momento in cui il Programma cambierà il brano (scelto ogni volta a caso fra i 21 "
        "disponibili)",
        "Puoi scegliere di giocare con uno dei due mazzi di carte regionali più usate in Italia (più un terzo mazzo "
        "facoltativo, se vuoi)",
        "Puoi scegliere fra 24 colori per il retro delle carte!",
        "Puoi scegliere tra 12 differenti dorsi delle carte (in alternativa al retro uniforme)",
        "Inserendo questa opzione vedrai le carte muoversi alla velocità da te impostata (consigliata solo a chi ha "
        "una buona scheda grafica!)",
        "Puoi scegliere di visualizzare i punteggi in 4 modi differenti",
        "Puoi scegliere con quale frequenza verranno proposti i brani musicali (o non ascoltarli affatto!)",
        "Puoi scegliere se ascoltare o no i rumori delle carte sul tavolo",
        "Puoi scegliere con quale frequenza Zelvo commenterà le varie fasi del gioco (o zittirlo completamente!)",
        "Puoi scegliere il grado di 'impazienza' di Zelvo (che si manifesterà quando ti attarderai a giocare!)",
        "Puoi scegliere fra 5 livelli di abilità di Zelvo: da A (il migliore) a E (il peggiore)",
        "Se scegli 'Si' e l'opzione 'Frequenza Musica' è attivata, comparirà in alto a destra il titolo del brano "
        "che stai ascoltando",
        "Se selezioni 'No' dovrai ogni volta premere 'INVIO' per eseguire la presa delle due carte giocate: negli "
        "altri casi potrai sceglierne la velocità",
        "Uno dei due possibili modi di terminare ogni singolo Gioco",
        "Vince la Partita colui che per primo s'aggiudica (a tua scelta) 3, 4 o 5 Giochi",
        "Simpatica routine grafico-musicale (che può comunque essere disattivata)",
        "Se attivi questa opzione farai giocare Zelvo a carte scoperte!",
        "Puoi scegliere fra 5 velocità di 'risposta di gioco' di Zelvo",
        "Puoi scegliere di interrompere momentaneamente la musica e/o i rumori durante l'analisi del Gioco",
    };
    return i >= 0 && i < opz::NUMERO ? SUGGERIMENTI[i] : "";
}

std::string valoreSeguente(int i, const std::string& attuale, const std::string& terzoMazzo) {
    std::vector<std::string> ciclo = valori(i);
    if (i == opz::StileCarte && !terzoMazzo.empty()) ciclo.insert(ciclo.begin() + 1, terzoMazzo);
    for (size_t k = 0; k < ciclo.size(); ++k)
        if (ciclo[k] == attuale) return ciclo[(k + 1) % ciclo.size()];
    switch (i) {
        case opz::StileCarte: return "Napoletane";
        case opz::ConclusioneGioco: return "Appena uno supera 60 punti";
        case opz::MostraCarte:
        case opz::Noises:
        case opz::Titoli: return "Si";
        default: return attuale;
    }
}

int intervalloAnimazione(const std::string& a) {
    if (a == "Veloce") return 30;
    if (a == "Media") return 45;
    if (a == "Lenta") return 80;
    return 0;  // "No" and unknown texts leave the step time as it is
}

int intervalloPresa(const std::string& p) {
    if (p == "Molto Lenta") return 2350;
    if (p == "Lenta") return 1950;
    if (p == "Media") return 1550;
    if (p == "Veloce") return 1150;
    if (p == "Molto Veloce") return 750;
    return 0;
}

int intervalloAttesaPC(const std::string& v) {
    if (v == "Molto Lenta") return 1500;
    if (v == "Lenta") return 1250;
    if (v == "Media") return 1000;
    if (v == "Veloce") return 750;
    if (v == "Molto Veloce") return 500;
    return 500;
}

int giochiPerPartita(const std::string& c) {
    if (c == "Al meglio di 3 Giochi") return 3;
    if (c == "Al meglio di 4 Giochi") return 4;
    if (c == "Al meglio di 5 Giochi") return 5;
    return 0;
}

}  // namespace zelvo
