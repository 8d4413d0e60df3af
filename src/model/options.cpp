#include "model/options.h"

namespace zelvo {

const std::array<const char*, COLOUR_COUNT> COLOUR_NAMES = {
    "Verde Veronese", "Acqua", "' 98", "Azzurro bebé", "Aviazione", "Lavanda", "Blues", "Grigio cemento",
    "Glicine", "Violetta", "Viola antico", "Lambrusco", "Rosso mattone", "Legno", "Cioccolata", "Caffé",
    "Caffelatte", "Sahara", "Senape", "Divisa militare", "Grigio topo", "Muschio", "Verde nobile", "Salvia"};

const std::array<const char*, BACK_DESIGN_COUNT> BACK_DESIGNS = {
    "Nessuno", "Rombi", "Decoro", "Greche", "Arzigogoli", "Scacchiera", "Stelle",
    "Diagonali", "Arabeschi", "Intrecci", "Asterischi", "Spirali", "Ornamenti"};

namespace {

template <class E>
std::vector<std::string> texts() {
    return {OptionValues<E>::texts.begin(), OptionValues<E>::texts.end()};
}

struct Definition {
    const char* caption;
    std::vector<std::string> values;
    const char* initial;
};

const std::array<Definition, OPTION_COUNT>& definitions() {
    static const std::array<Definition, OPTION_COUNT> d = {{
        {"Variazioni grafiche casuali:", texts<RandomGraphics>(), textOf(RandomGraphics::AtMatchStart)},
        {"Colore Tavolo e Pannelli:", {COLOUR_NAMES.begin(), COLOUR_NAMES.end()}, "Rosso mattone"},
        {"Cambio Brano:", texts<SongChange>(), textOf(SongChange::AfterPreviousSong)},
        {"Stile Carte:", texts<CardStyle>(), textOf(CardStyle::Piacentine)},
        {"Colore Retro Carte:", {COLOUR_NAMES.begin(), COLOUR_NAMES.end()}, "Grigio cemento"},
        {"Motivo Retro Carte:", {BACK_DESIGNS.begin(), BACK_DESIGNS.end()}, "Nessuno"},
        {"Animazione Carte:", texts<CardAnimation>(), textOf(CardAnimation::No)},
        {"Visualizzazione Punteggio:", texts<ScoreDisplay>(), textOf(ScoreDisplay::Both)},
        {"Frequenza Musica:", texts<MusicFrequency>(), textOf(MusicFrequency::Sometimes)},
        {"Rumori di Gioco:", texts<GameNoises>(), textOf(GameNoises::Yes)},
        {"Loquacità di Zelvo:", texts<Talkativeness>(), textOf(Talkativeness::Gossip)},
        {"Carattere di Zelvo:", texts<Temper>(), textOf(Temper::VeryNervous)},
        {"Abilità di Zelvo:", texts<Level>(), textOf(Level::A)},
        {"Visualizzazione Titoli:", texts<SongTitles>(), textOf(SongTitles::Yes)},
        {"Presa automatica:", texts<AutoTaking>(), textOf(AutoTaking::VeryFast)},
        {"Conclusione del Gioco:", texts<GameEnd>(), textOf(GameEnd::FirstPastSixty)},
        {"Conclusione della Partita:", texts<MatchEnd>(), textOf(MatchEnd::BestOf4)},
        {"Cerimonia di Premiazione:", texts<Ceremony>(), textOf(Ceremony::No)},
        {"Mostra carte di Zelvo:", texts<ShowCards>(), textOf(ShowCards::No)},
        {"Velocità risposta di Zelvo:", texts<ResponseSpeed>(), textOf(ResponseSpeed::VeryFast)},
        {"Audio durante l'Analisi:", texts<ReviewAudio>(), textOf(ReviewAudio::Silence)},
    }};
    return d;
}

constexpr Colour rgb(int r, int g, int b) { return static_cast<Colour>(r | (g << 8) | (b << 16)); }

const Colour TABLE[COLOUR_COUNT] = {rgb(78, 146, 81),   rgb(81, 142, 120), rgb(0, 128, 128),   rgb(82, 145, 152),
                           rgb(92, 126, 141),  rgb(77, 123, 157), rgb(106, 120, 159), rgb(128, 128, 128),
                           rgb(136, 125, 172), rgb(149, 113, 157), rgb(139, 105, 124), rgb(147, 87, 102),
                           rgb(169, 88, 65),   rgb(155, 95, 61),  rgb(152, 115, 82),  rgb(136, 114, 77),
                           rgb(152, 125, 71),  rgb(173, 139, 61), rgb(152, 150, 54),  rgb(129, 131, 50),
                           rgb(123, 132, 102), rgb(101, 133, 69), rgb(105, 138, 89),  rgb(94, 133, 90)};
const Colour BACK[COLOUR_COUNT] = {rgb(67, 124, 70),   rgb(69, 122, 104), rgb(0, 106, 106),  rgb(66, 118, 125),
                          rgb(79, 109, 123),  rgb(64, 101, 128), rgb(87, 101, 136), rgb(114, 114, 114),
                          rgb(121, 109, 163), rgb(130, 95, 135), rgb(125, 94, 111), rgb(135, 78, 92),
                          rgb(154, 80, 58),   rgb(125, 95, 66),  rgb(132, 100, 70), rgb(122, 102, 69),
                          rgb(138, 114, 64),  rgb(150, 120, 52), rgb(121, 119, 43), rgb(104, 107, 41),
                          rgb(118, 114, 88),  rgb(90, 119, 62),  rgb(94, 122, 80),  rgb(80, 114, 78)};

int colourIndex(const std::string& name) {
    for (int i = 0; i < COLOUR_COUNT; ++i)
        if (COLOUR_NAMES[i] == name) return i;
    return COLOUR_COUNT - 1;
}

}  // namespace

Colour tableColour(const std::string& name) { return TABLE[colourIndex(name)]; }
Colour backColour(const std::string& name) { return BACK[colourIndex(name)]; }
const char* colourName(int index) { return COLOUR_NAMES[(index - 1) % COLOUR_COUNT]; }

Options::Options() {
    for (int i = 0; i < OPTION_COUNT; ++i) {
        lblOpzione[i] = initialValue(static_cast<Option>(i));
        lblVoce[i] = captionOf(static_cast<Option>(i));
        lblVoceColore[i] = colour::LIGHT_GREEN;
    }
}

const char* captionOf(Option o) { return definitions()[index(o)].caption; }
std::vector<std::string> valuesOf(Option o) { return definitions()[index(o)].values; }
const char* initialValue(Option o) { return definitions()[index(o)].initial; }

const char* toolTipOf(Option o) {
    static const char* const TIPS[OPTION_COUNT] = {
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
    return TIPS[index(o)];
}

std::string nextValue(Option o, const std::string& current, const std::string& thirdDeck) {
    std::vector<std::string> cycle = valuesOf(o);
    if (o == Option::CardStyle && !thirdDeck.empty()) cycle.insert(cycle.begin() + 1, thirdDeck);
    for (size_t k = 0; k < cycle.size(); ++k)
        if (cycle[k] == current) return cycle[(k + 1) % cycle.size()];
    switch (o) {
        case Option::CardStyle: return textOf(CardStyle::Napoletane);
        case Option::GameEnd: return textOf(GameEnd::FirstPastSixty);
        case Option::ShowCards: return textOf(ShowCards::Yes);
        case Option::GameNoises: return textOf(GameNoises::Yes);
        case Option::SongTitles: return textOf(SongTitles::Yes);
        default: return current;
    }
}

int animationInterval(CardAnimation a) {
    switch (a) {
        case CardAnimation::Fast: return 30;
        case CardAnimation::Medium: return 45;
        case CardAnimation::Slow: return 80;
        default: return 0;  // "No" and unknown texts leave the step time as it is
    }
}

int takingInterval(AutoTaking a) {
    switch (a) {
        case AutoTaking::VerySlow: return 2350;
        case AutoTaking::Slow: return 1950;
        case AutoTaking::Medium: return 1550;
        case AutoTaking::Fast: return 1150;
        case AutoTaking::VeryFast: return 750;
        default: return 0;
    }
}

int computerPause(ResponseSpeed s) {
    switch (s) {
        case ResponseSpeed::VerySlow: return 1500;
        case ResponseSpeed::Slow: return 1250;
        case ResponseSpeed::Medium: return 1000;
        case ResponseSpeed::Fast: return 750;
        default: return 500;
    }
}

int gamesToWin(MatchEnd m) {
    switch (m) {
        case MatchEnd::BestOf3: return 3;
        case MatchEnd::BestOf4: return 4;
        case MatchEnd::BestOf5: return 5;
        default: return 0;
    }
}

}  // namespace zelvo
