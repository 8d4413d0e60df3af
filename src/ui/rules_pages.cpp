#include "ui/rules_pages.h"

#include <array>
#include <vector>

namespace zelvo::rules_pages {

const char* const CAPTION[6] = {"",
                                "Clicca qui per continuare > 1",
                                "Clicca qui per continuare > 2",
                                "Clicca qui per continuare > 3",
                                "Clicca qui per continuare > 4",
                                "Clicca qui per ritornare > 5"};
const char* const CAPTION_5_CONTINUE = "Clicca qui per continuare > 5";

const char* const RULES_TITLE = " REGOLE DEL GIOCO DELLA BRISCOLA";
const char* const PRESENTATION_TITLE = "      PRESENTAZIONE      (A CURA DELL'AUTORE)";
const char* const AUTHOR_TITLE = " L'AUTORE: LA BOTTEGA DI ZELVO";

namespace {

const std::vector<const char*> PARAGRAFI[6] = {
    {},
    {
        "La Briscola a due si gioca con un mazzo di 40 carte regionali italiane. La carta più importante è "
        "l'Asso, poi viene il Tre e quindi, in ordine decrescente, il Re, il Cavallo, il Fante, il 7, il 6, il "
        "5, il 4 e il 2.",
        "Il mazziere dà tre carte a testa, poi scopre la settima: è la briscola, e il suo seme comanda su tutti "
        "gli altri. Il resto del mazzo viene posato sopra di essa.",
        "Apre il gioco l'avversario del mazziere giocando una carta; il mazziere risponde con una delle sue.",
        "Se le due carte sono dello stesso seme, prende la più alta. Una briscola vince sempre su una carta di "
        "un altro seme.",
        "Se le due carte sono di semi diversi e nessuna è briscola, prende la carta giocata per prima, "
        "qualunque sia il suo valore.",
    },
    {
        "Chi vince la presa raccoglie le due carte, le tiene coperte davanti a sé e pesca la prima carta del "
        "mazzo; poi pesca l'altro giocatore.",
        "L'ultima carta pescata è la briscola scoperta; da lì in avanti si giocano le carte rimaste in mano. "
        "Chi ha vinto la presa precedente pesca sempre per primo e gioca per primo.",
        "Alla fine si contano le carte prese: 11 punti per ogni Asso, 10 per ogni Tre, 4 per ogni Re, 3 per "
        "ogni Cavallo, 2 per ogni Fante; le altre carte non valgono nulla.",
        "Vince il Gioco chi supera i 60 punti. La Partita si vince al meglio di 3, 4 o 5 Giochi, come si è "
        "deciso prima di cominciare; un Gioco finito 60 a 60 non conta per la Partita.",
    },
    {
        "Benvenuto al tavolo di ZELVO! Ti presento il tuo avversario: un giocatore virtuale che conosce la "
        "Briscola a memoria, conta le carte uscite e non dimentica mai quale briscola è in tavola.",
        "A metà partita ZELVO ragiona come un buon giocatore di circolo: pesa il valore di ogni carta, tiene "
        "d'occhio i 60 punti e non spreca una briscola per un liscio. Quando il mazzo è finito, invece, calcola "
        "ogni possibile giocata fino all'ultima presa.",
        "Puoi scegliere fra cinque livelli di abilità: al livello A gioca sempre la carta migliore, ai livelli "
        "più bassi ogni tanto si distrae, come capita a tutti.",
    },
    {
        "ZELVO però non è soltanto un calcolatore: commenta le prese, si vanta quando vince, brontola quando "
        "perde e, se lo fai aspettare troppo, si spazientisce. Dalle Opzioni puoi renderlo più riservato o "
        "zittirlo del tutto.",
        "Intanto, sul tavolo, suonano melodie popolari delle regioni d'Italia, e alla fine di una Partita vinta "
        "una piccola cerimonia premia il vincitore con il suo inno.",
        "Ogni Gioco si può rivedere presa per presa, salvare e riaprire; l'Albo d'Oro ricorda i dieci migliori "
        "sfidanti di ZELVO. Buon divertimento!",
    },
    {
        "ZELVO è nato in una piccola bottega di programmatori appassionati di carte, cresciuti fra le partite "
        "al bar e quelle in famiglia, dove la Briscola si impara prima delle tabelline.",
        "Ogni figura, ogni suono e ogni parola di questo programma è fatta da noi: le carte sono disegnate dal "
        "programma stesso, la voce di ZELVO è sintetizzata e le musiche sono scritte nota per nota.",
        "Il ritratto qui sopra è il nostro autoritratto di gruppo: un giocatore qualunque, seduto al tavolo, "
        "che aspetta la tua prossima carta.",
    },
};

std::string unisci(const std::vector<const char*>& paragrafi) {
    std::string s;
    for (const char* p : paragrafi) {
        if (!s.empty()) s += '\n';
        s += ' ';
        s += p;
    }
    return s;
}

}  // namespace

std::string nextCaption(const std::string& caption) {
    if (caption == CAPTION_5_CONTINUE || caption == CAPTION[5]) return CAPTION[1];
    for (int n = 1; n <= 4; ++n)
        if (caption == CAPTION[n]) return CAPTION[n + 1];
    return caption;
}

int page(const std::string& caption) {
    // Pages 1 to 4 go by the end of the caption, page 5 by its whole text.
    if (caption == CAPTION[5]) return 5;
    for (int n = 1; n <= 4; ++n)
        if (caption.ends_with(std::string("> ") + char('0' + n))) return n;
    return 0;
}

const std::string& body(int n) {
    static const std::array<std::string, 6> corpi = {"",
                                                     unisci(PARAGRAFI[1]),
                                                     unisci(PARAGRAFI[2]),
                                                     unisci(PARAGRAFI[3]),
                                                     unisci(PARAGRAFI[4]),
                                                     unisci(PARAGRAFI[5])};
    return corpi[n >= 1 && n <= 5 ? n : 0];
}

}  // namespace zelvo::rules_pages
