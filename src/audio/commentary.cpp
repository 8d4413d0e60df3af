// ZELVO's remarks: each takes the sound lock for the length of its clip, so a
// remark is never cut off by another sound of the game.
#include "audio/commentary.h"

#include <algorithm>

#include "audio/clip.h"
#include "audio/remarks_text.h"
#include "audio/tables.h"
#include "rules/rules.h"

namespace zelvo {

using audio::Occasion;

namespace {
// The three personalities between the taciturn and the gossip speak at odds.
bool atOdds(Talkativeness t) {
    return t == Talkativeness::Reserved || t == Talkativeness::Gentleman || t == Talkativeness::Talkative;
}
}  // namespace

void Commentary::playRemark(const char* group, int n, Timer& end, int ms) {
    if (ms == 0) ms = audio::remarkLockMs(group, n);
    const std::string file = audio::remarkFile(group, n);
    clip::play(platform_, m_.sounds, Player::mmcRumori, file, &end, ms, true);
    subtitle(file, ms);
}

void Commentary::subtitle(const std::string& file, int ms) {
    const char* words = remarkText(file);
    if (!words) return;
    // Long enough to be read, however short the clip.
    constexpr int READING_MS = 2000;
    m_.sounds.sottotitolo = words;
    m_.sounds.sottotitoloFinoA = platform_.scheduler.nowMs() + std::max(ms, READING_MS);
}

bool Commentary::panelsClosed() const {
    return !m_.window.fraPannello[2].Visible && !m_.window.fraPannello[3].Visible;
}

// ---------------------------------------------------------------- the deal

void Commentary::DistribuzioneCarte() {
    t_.TimerCommentiFinali.disable();
    const Talkativeness t = m_.options.get<Talkativeness>();
    if (!m_.sounds.lblInterdiciSuoni && t != Talkativeness::Taciturn && m_.game.lblContatoreDistribuisciCarte == 1) {
        const int r = pick_.NumeroCasuale(audio::drawSides(Occasion::Opening));
        if (audio::speaks(Occasion::Opening, t, r)) {
            m_.sounds.lblCommentoIniziale = true;
            CommentoApertura();
            return;
        }
    }
    noises_.cardDrawn();
}

void Commentary::CommentoApertura() {
    const int r = pick_.NumeroCasuale(24);
    m_.sounds.lblInterdiciSuoni = true;
    const bool first = !m_.sounds.lblEtichettaAperturaGioco;
    const Who last = m_.game.lblUltimoVincitore;
    const int n = audio::remarkOpening(first, last, r);
    // The remark for a drawn game is a shorter cut of the same file.
    const int ms = (!first && last == Who::Nobody) ? 2800 : 0;
    playRemark("Inizio", n, t_.TimerInterdiciSuoni, ms);
}

// ---------------------------------------------------------------- the tricks

void Commentary::trickComplete() {
    if (m_.options.get<Talkativeness>() == Talkativeness::Taciturn) noises_.cardDown();
    else CommentaPresa();
}

void Commentary::CommentaPresa() {
    const int r = pick_.NumeroCasuale(audio::drawSides(Occasion::Trick));
    const Talkativeness t = m_.options.get<Talkativeness>();
    if (t == Talkativeness::Gossip || (atOdds(t) && audio::speaks(Occasion::Trick, t, r))) {
        ScegliCommento();
        return;
    }
    if (atOdds(t)) noises_.cardDown();
}

void Commentary::ScegliCommento() {
    if (m_.sounds.lblInterdiciSuoni) return;
    if (m_.game.lblNumeroCarteRimaste < -4) return;  // the last trick of the game
    const int pc = m_.game.lblNumeroCartaGiocataDaPC, h = m_.game.lblNumeroCartaGiocataDaH;
    if (pc < 1 || pc > 3 || h < 4 || h > 6) return;
    const CardTable& c = m_.cards;
    const int points = cards::pointsOf(c.lblValore[pc]) + cards::pointsOf(c.lblValore[h]);
    const bool computerLeads = m_.game.lblTurnoDiGioco == Who::PC;
    const bool pcTakes = rules::computerTakes(cards::cellOf(c.lblCarta[pc]), cards::cellOf(c.lblCarta[h]),
                                              computerLeads, c.lblSeme[7]);
    if (pcTakes && computerLeads) CommentoVinceDiMano();
    else if (pcTakes) {
        if (c.lblSeme[pc] == c.lblSeme[7]) {
            if (points >= 12) CommentoBriscolaPesante();
            else CommentoBriscolaLeggera();
        } else if (points < 8) {
            CommentoVinceRispondendoPoco();
        } else {
            CommentoVinceRispondendo();
        }
    } else if (computerLeads) {
        CommentoPerdeDiMano();
    } else {
        CommentoPerdeRispondendo();
    }
}

void Commentary::CommentoVinceDiMano() {
    const int vh = m_.cards.lblValore[m_.game.lblNumeroCartaGiocataDaH];
    const int r = pick_.NumeroCasuale(24);
    playRemark("1v", audio::remarkLeadWon(vh, r), t_.TimerFinisciCommento);
}

void Commentary::CommentoPerdeDiMano() {
    const CardTable& c = m_.cards;
    const int sum = c.lblValore[m_.game.lblNumeroCartaGiocataDaPC] + c.lblValore[m_.game.lblNumeroCartaGiocataDaH];
    const int r = pick_.NumeroCasuale(18);
    playRemark("1p", audio::remarkLeadLost(sum, r), t_.TimerFinisciCommento);
}

void Commentary::CommentoPerdeRispondendo() {
    const int vc = m_.cards.lblValore[m_.game.lblNumeroCartaGiocataDaPC];
    const int r = pick_.NumeroCasuale(24);
    playRemark("2p", audio::remarkAnswerLost(vc, r), t_.TimerFinisciCommento);
}

void Commentary::CommentoVinceRispondendo() {
    const int r = pick_.NumeroCasuale(12);
    playRemark("2v", audio::remarkAnswerWon(r), t_.TimerFinisciCommento);
}

void Commentary::CommentoBriscolaPesante() {
    const int r = pick_.NumeroCasuale(12);
    playRemark("2v", audio::remarkHeavyTrump(r), t_.TimerFinisciCommento);
}

void Commentary::CommentoVinceRispondendoPoco() {
    const char suit = m_.cards.lblSeme[m_.game.lblNumeroCartaGiocataDaH];
    const int r = pick_.NumeroCasuale(10);
    playRemark("2v", audio::remarkAnswerWonLittle(suit, r), t_.TimerFinisciCommento);
}

void Commentary::CommentoBriscolaLeggera() {
    const char suit = m_.cards.lblSeme[m_.game.lblNumeroCartaGiocataDaH];
    const int r = pick_.NumeroCasuale(10);
    playRemark("2v", audio::remarkLightTrump(suit, r), t_.TimerFinisciCommento);
}

// ---------------------------------------------------------------- impatience

void Commentary::ImpostaIntervalloImpazienza() {
    // Setting an interval restarts the count: only a change is written.
    const int ms = audio::impatienceInterval(m_.options.get<Temper>());
    if (ms > 0 && ms != t_.TimerImpazienza.interval()) t_.TimerImpazienza.setInterval(ms);
}

void Commentary::AvviaImpazienza() {
    if (!panelsClosed()) return;
    AvviaImpazienzaDopoPesca();
}

void Commentary::AvviaImpazienzaDopoPesca() {
    if (m_.options.get<Temper>() == Temper::Peaceful || m_.options.get<Talkativeness>() == Talkativeness::Taciturn)
        return;
    m_.sounds.lblContaImpaz = 0;
    ImpostaIntervalloImpazienza();
    t_.TimerImpazienza.enable();
}

void Commentary::FermaImpazienza() {
    t_.TimerImpazienza.disable();
    m_.sounds.lblContaImpaz = 0;
}

void Commentary::TimerImpazienza_Timer() {
    SoundState& s = m_.sounds;
    if (++s.lblContaImpaz < 12) return;
    s.lblContaImpaz = 0;
    if (s.lblInterdiciSuoni) return;  // a clip plays: the clock runs on
    s.lblInterdiciSuoni = true;
    t_.TimerImpazienza.disable();
    DecidiImpazienza();
}

void Commentary::DecidiImpazienza() {
    const int r = pick_.NumeroCasuale(audio::drawSides(Occasion::Impatience));
    if (audio::speaks(Occasion::Impatience, m_.options.get<Talkativeness>(), r)) {
        CommentoImpazienza();
        return;
    }
    m_.sounds.lblInterdiciSuoni = false;
    t_.TimerImpazienza.enable();
}

void Commentary::CommentoImpazienza() {
    const int r = pick_.NumeroCasuale(48);
    playRemark("Impaz", audio::remarkImpatience(r), t_.TimerFineImpazienza);
}

void Commentary::TimerFineImpazienza_Timer() {
    t_.TimerFineImpazienza.disable();
    m_.sounds.lblInterdiciSuoni = false;
    m_.sounds.lblContaImpaz = 0;
    // The clock lives only while the human is to play: not at the end panel, nor during the ceremony.
    const GameAndMatch& g = m_.game;
    if (g.lblAChiTocca == Who::H && g.lblGiocoInCorso && g.lblPuoiGiocare && panelsClosed())
        t_.TimerImpazienza.enable();
}

// ---------------------------------------------------------------- end timers

void Commentary::TimerFinisciCommento_Timer() {
    t_.TimerFinisciCommento.disable();
    m_.sounds.lblInterdiciSuoni = false;
}

void Commentary::TimerInterdiciSuoni_Timer() {
    t_.TimerInterdiciSuoni.disable();
    m_.sounds.lblInterdiciSuoni = false;
}

void Commentary::TimerDurataCommentoFinale_Timer() {
    t_.TimerDurataCommentoFinale.disable();
    m_.sounds.lblInterdiciSuoni = false;
}

// ---------------------------------------------------------------- end of a game

void Commentary::AvviaCommentiFinali() {
    t_.TimerCommentiFinali.setInterval(900);
    t_.TimerCommentiFinali.enable();
}

void Commentary::FermaCommentiFinali() { t_.TimerCommentiFinali.disable(); }

void Commentary::TimerCommentiFinali_Timer() {
    SoundState& s = m_.sounds;
    // A card or trick noise still sounding is cut; a trick remark is left to end.
    if (!t_.TimerFinisciCommento.enabled()) s.lblInterdiciSuoni = false;
    t_.TimerCommentiFinali.disable();
    if (!s.lblInterdiciSuoni && m_.options.get<Talkativeness>() != Talkativeness::Taciturn) CommentoFinale();
}

void Commentary::CommentoFinale() {
    if (t_.TimerFinisciCommento.enabled()) return;
    m_.sounds.lblInterdiciSuoni = true;
    const int r = pick_.NumeroCasuale(18);
    playRemark("Fine", audio::remarkFinal(m_.game.lblUltimoVincitore, r), t_.TimerDurataCommentoFinale);
}

// ---------------------------------------------------------------- leaving

void Commentary::RestaInGioco() {
    const Talkativeness t = m_.options.get<Talkativeness>();
    if (t == Talkativeness::Taciturn) return;
    const int r = pick_.NumeroCasuale(audio::drawSides(Occasion::Stay));
    if (audio::speaks(Occasion::Stay, t, r)) CommentoRestaInGioco();
}

void Commentary::CommentoRestaInGioco() {
    if (m_.sounds.lblInterdiciSuoni) return;
    m_.sounds.lblInterdiciSuoni = true;
    const int r = pick_.NumeroCasuale(6);
    playRemark("Esci", audio::remarkStay(r), t_.TimerInterdiciSuoni);
}

bool Commentary::PreparaUscita(int r, int farewellMs) {
    if (audio::speaks(Occasion::Exit, m_.options.get<Talkativeness>(), r)) {
        CommentoUscita(r, farewellMs);
        return true;
    }
    clip::setFile(platform_, Player::mmcUscita, audio::THEME_FILE);
    return false;
}

void Commentary::CommentoUscita(int r, int farewellMs) {
    if (r < 1 || r > 6) return;
    const std::string file = audio::remarkFile("Esci", audio::remarkExit(r));
    clip::setFile(platform_, Player::mmcUscita, file);
    subtitle(file, farewellMs);
}

}  // namespace zelvo
