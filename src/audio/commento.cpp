// ZELVO's remarks: each takes the sound lock for the length of its clip, so a
// remark is never cut off by another sound of the game.
#include "audio/commento.h"

#include <algorithm>

#include "audio/clip.h"
#include "audio/remarks_text.h"
#include "audio/tabelle.h"
#include "ui/principale.h"

namespace zelvo {

using suoni::Occasione;

namespace {
bool tre(const std::string& p) { return p == "Riservato" || p == "Gentleman" || p == "Loquace"; }
}  // namespace

void Commentary::suonaCommento(const char* gruppo, int n, Timer& fine, int ms) {
    if (ms == 0) ms = suoni::durataCommento(gruppo, n);
    const std::string file = suoni::fileCommento(gruppo, n);
    clip::suona(w_, Lettore::mmcRumori, file, &fine, ms, true);
    sottotitola(file, ms);
}

void Commentary::sottotitola(const std::string& file, int ms) {
    const char* parole = testoCommento(file);
    if (!parole) return;
    // Long enough to be read, however short the clip.
    constexpr int LETTURA_MINIMA_MS = 2000;
    w_.m.sounds.sottotitolo = parole;
    w_.m.sounds.sottotitoloFinoA = w_.piattaforma.scheduler.nowMs() + std::max(ms, LETTURA_MINIMA_MS);
}

bool Commentary::pannelliChiusi() const {
    return !w_.m.window.fraPannello[2].Visible && !w_.m.window.fraPannello[3].Visible;
}

// ---------------------------------------------------------------- the deal

void Commentary::DistribuzioneCarte() {
    Model& m = w_.m;
    w_.t.TimerCommentiFinali.disable();
    const std::string& p = m.options[opz::Loquacita];
    if (!m.sounds.lblInterdiciSuoni && p != "Taciturno" && m.game.lblContatoreDistribuisciCarte == 1) {
        int r = w_.pick.NumeroCasuale(suoni::lati(Occasione::Apertura));
        if (suoni::parla(Occasione::Apertura, p, r)) {
            m.sounds.lblCommentoIniziale = true;
            CommentoApertura();
            return;
        }
    }
    if (!m.sounds.lblInterdiciSuoni && m.options.is(opz::Noises, "Si")) w_.noises.SuonaDistribuzione();
}

void Commentary::CommentoApertura() {
    Model& m = w_.m;
    int r = w_.pick.NumeroCasuale(24);
    m.sounds.lblInterdiciSuoni = true;
    const bool primo = !m.sounds.lblEtichettaAperturaGioco;
    const Who ultimo = m.game.lblUltimoVincitore;
    const int n = suoni::sceltaApertura(primo, ultimo, r);
    // The remark for a drawn game is a shorter cut of the same file.
    const int ms = (!primo && ultimo == Who::Nobody) ? 2800 : 0;
    suonaCommento("Inizio", n, w_.t.TimerInterdiciSuoni, ms);
}

// ---------------------------------------------------------------- the tricks

void Commentary::CommentaPresa() {
    Model& m = w_.m;
    int r = w_.pick.NumeroCasuale(suoni::lati(Occasione::Presa));
    const std::string& p = m.options[opz::Loquacita];
    if (p == "Pettegolo" || (tre(p) && suoni::parla(Occasione::Presa, p, r))) {
        ScegliCommento();
        return;
    }
    if (tre(p) && !m.sounds.lblInterdiciSuoni && m.options.is(opz::Noises, "Si")) w_.noises.SuonaCarta();
}

void Commentary::ScegliCommento() {
    Model& m = w_.m;
    if (m.sounds.lblInterdiciSuoni) return;
    if (m.game.lblNumeroCarteRimaste < -4) return;  // the last trick of the game
    const int pc = m.game.lblNumeroCartaGiocataDaPC, h = m.game.lblNumeroCartaGiocataDaH;
    if (pc < 1 || pc > 3 || h < 4 || h > 6) return;
    const int vc = m.cards.lblValore[pc], vh = m.cards.lblValore[h];
    const int punti = cards::pointsOf(vc) + cards::pointsOf(vh);
    const bool pcPrende = w_.flow.vincitorePresa(pc, h) == Who::PC;
    const bool pcInizia = m.game.lblTurnoDiGioco == Who::PC;
    if (pcPrende && pcInizia) CommentoVinceDiMano();
    else if (pcPrende) {
        if (m.cards.lblSeme[pc] == m.cards.lblSeme[7]) {
            if (punti >= 12) CommentoBriscolaPesante();
            else CommentoBriscolaLeggera();
        } else if (punti < 8) {
            CommentoVinceRispondendoPoco();
        } else {
            CommentoVinceRispondendo();
        }
    } else if (pcInizia) {
        CommentoPerdeDiMano();
    } else {
        CommentoPerdeRispondendo();
    }
}

void Commentary::CommentoVinceDiMano() {
    const int vh = w_.m.cards.lblValore[w_.m.game.lblNumeroCartaGiocataDaH];
    int r = w_.pick.NumeroCasuale(24);
    suonaCommento("1v", suoni::sceltaVinceDiMano(vh, r), w_.t.TimerFinisciCommento);
}

void Commentary::CommentoPerdeDiMano() {
    const CardTable& c = w_.m.cards;
    const int s = c.lblValore[w_.m.game.lblNumeroCartaGiocataDaPC] + c.lblValore[w_.m.game.lblNumeroCartaGiocataDaH];
    int r = w_.pick.NumeroCasuale(18);
    suonaCommento("1p", suoni::sceltaPerdeDiMano(s, r), w_.t.TimerFinisciCommento);
}

void Commentary::CommentoPerdeRispondendo() {
    const int vc = w_.m.cards.lblValore[w_.m.game.lblNumeroCartaGiocataDaPC];
    int r = w_.pick.NumeroCasuale(24);
    suonaCommento("2p", suoni::sceltaPerdeRispondendo(vc, r), w_.t.TimerFinisciCommento);
}

void Commentary::CommentoVinceRispondendo() {
    int r = w_.pick.NumeroCasuale(12);
    suonaCommento("2v", suoni::sceltaVinceRispondendo(r), w_.t.TimerFinisciCommento);
}

void Commentary::CommentoBriscolaPesante() {
    int r = w_.pick.NumeroCasuale(12);
    suonaCommento("2v", suoni::sceltaBriscolaPesante(r), w_.t.TimerFinisciCommento);
}

void Commentary::CommentoVinceRispondendoPoco() {
    const char seme = w_.m.cards.lblSeme[w_.m.game.lblNumeroCartaGiocataDaH];
    int r = w_.pick.NumeroCasuale(10);
    suonaCommento("2v", suoni::sceltaVinceRispondendoPoco(seme, r), w_.t.TimerFinisciCommento);
}

void Commentary::CommentoBriscolaLeggera() {
    const char seme = w_.m.cards.lblSeme[w_.m.game.lblNumeroCartaGiocataDaH];
    int r = w_.pick.NumeroCasuale(10);
    suonaCommento("2v", suoni::sceltaBriscolaLeggera(seme, r), w_.t.TimerFinisciCommento);
}

// ---------------------------------------------------------------- impatience

void Commentary::ImpostaIntervalloImpazienza() {
    // Setting an interval restarts the count: only a change is written.
    const int ms = suoni::intervalloImpazienza(w_.m.options[opz::Carattere]);
    if (ms > 0 && ms != w_.t.TimerImpazienza.interval()) w_.t.TimerImpazienza.setInterval(ms);
}

void Commentary::AvviaImpazienza() {
    if (!pannelliChiusi()) return;
    AvviaImpazienzaDopoPesca();
}

void Commentary::AvviaImpazienzaDopoPesca() {
    const Options& o = w_.m.options;
    if (o.is(opz::Carattere, "Pacifico") || o.is(opz::Loquacita, "Taciturno")) return;
    w_.m.sounds.lblContaImpaz = 0;
    ImpostaIntervalloImpazienza();
    w_.t.TimerImpazienza.enable();
}

void Commentary::FermaImpazienza() {
    w_.t.TimerImpazienza.disable();
    w_.m.sounds.lblContaImpaz = 0;
}

void Commentary::TimerImpazienza_Timer() {
    SoundState& s = w_.m.sounds;
    if (++s.lblContaImpaz < 12) return;
    s.lblContaImpaz = 0;
    if (s.lblInterdiciSuoni) return;  // a clip plays: the clock runs on
    s.lblInterdiciSuoni = true;
    w_.t.TimerImpazienza.disable();
    DecidiImpazienza();
}

void Commentary::DecidiImpazienza() {
    int r = w_.pick.NumeroCasuale(suoni::lati(Occasione::Impazienza));
    if (suoni::parla(Occasione::Impazienza, w_.m.options[opz::Loquacita], r)) {
        CommentoImpazienza();
        return;
    }
    w_.m.sounds.lblInterdiciSuoni = false;
    w_.t.TimerImpazienza.enable();
}

void Commentary::CommentoImpazienza() {
    int r = w_.pick.NumeroCasuale(48);
    suonaCommento("Impaz", suoni::sceltaImpazienza(r), w_.t.TimerFineImpazienza);
}

void Commentary::TimerFineImpazienza_Timer() {
    w_.t.TimerFineImpazienza.disable();
    w_.m.sounds.lblInterdiciSuoni = false;
    w_.m.sounds.lblContaImpaz = 0;
    // The clock lives only while the human is to play: not at the end panel, nor during the ceremony.
    const GameAndMatch& g = w_.m.game;
    if (g.lblAChiTocca == Who::H && g.lblGiocoInCorso && g.lblPuoiGiocare && pannelliChiusi())
        w_.t.TimerImpazienza.enable();
}

// ---------------------------------------------------------------- end timers

void Commentary::TimerFinisciCommento_Timer() {
    w_.t.TimerFinisciCommento.disable();
    w_.m.sounds.lblInterdiciSuoni = false;
}

void Commentary::TimerInterdiciSuoni_Timer() {
    w_.t.TimerInterdiciSuoni.disable();
    w_.m.sounds.lblInterdiciSuoni = false;
}

void Commentary::TimerDurataCommentoFinale_Timer() {
    w_.t.TimerDurataCommentoFinale.disable();
    w_.m.sounds.lblInterdiciSuoni = false;
}

// ---------------------------------------------------------------- end of a game

void Commentary::AvviaCommentiFinali() {
    w_.t.TimerCommentiFinali.setInterval(900);
    w_.t.TimerCommentiFinali.enable();
}

void Commentary::FermaCommentiFinali() { w_.t.TimerCommentiFinali.disable(); }

void Commentary::TimerCommentiFinali_Timer() {
    SoundState& s = w_.m.sounds;
    // A card or trick noise still sounding is cut; a trick remark is left to end.
    if (!w_.t.TimerFinisciCommento.enabled()) s.lblInterdiciSuoni = false;
    w_.t.TimerCommentiFinali.disable();
    if (!s.lblInterdiciSuoni && !w_.m.options.is(opz::Loquacita, "Taciturno")) CommentoFinale();
}

void Commentary::CommentoFinale() {
    if (w_.t.TimerFinisciCommento.enabled()) return;
    w_.m.sounds.lblInterdiciSuoni = true;
    int r = w_.pick.NumeroCasuale(18);
    suonaCommento("Fine", suoni::sceltaFinale(w_.m.game.lblUltimoVincitore, r), w_.t.TimerDurataCommentoFinale);
}

// ---------------------------------------------------------------- leaving

void Commentary::RestaInGioco() {
    const std::string& p = w_.m.options[opz::Loquacita];
    if (p == "Taciturno") return;
    int r = w_.pick.NumeroCasuale(suoni::lati(Occasione::Resta));
    if (suoni::parla(Occasione::Resta, p, r)) CommentoRestaInGioco();
}

void Commentary::CommentoRestaInGioco() {
    if (w_.m.sounds.lblInterdiciSuoni) return;
    w_.m.sounds.lblInterdiciSuoni = true;
    int r = w_.pick.NumeroCasuale(6);
    suonaCommento("Esci", suoni::sceltaResta(r), w_.t.TimerInterdiciSuoni);
}

bool Commentary::PreparaUscita(int r) {
    if (suoni::parla(Occasione::Uscita, w_.m.options[opz::Loquacita], r)) {
        CommentoUscita(r);
        return true;
    }
    w_.t.TimerEsci.setInterval(2200);
    clip::nomeFile(w_, Lettore::mmcUscita, suoni::FILE_SIGLA);
    return false;
}

void Commentary::CommentoUscita(int r) {
    if (r < 1 || r > 6) return;
    const std::string file = suoni::fileCommento("Esci", suoni::sceltaUscita(r));
    clip::nomeFile(w_, Lettore::mmcUscita, file);
    sottotitola(file, w_.t.TimerEsci.interval());
}

}  // namespace zelvo
