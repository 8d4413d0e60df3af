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

void Commento::suonaCommento(const char* gruppo, int n, Timer& fine, int ms) {
    if (ms == 0) ms = suoni::durataCommento(gruppo, n);
    const std::string file = suoni::fileCommento(gruppo, n);
    clip::suona(w_, Lettore::mmcRumori, file, &fine, ms, true);
    sottotitola(file, ms);
}

void Commento::sottotitola(const std::string& file, int ms) {
    const char* parole = testoCommento(file);
    if (!parole) return;
    // Long enough to be read, however short the clip.
    constexpr int LETTURA_MINIMA_MS = 2000;
    w_.m.suoni.sottotitolo = parole;
    w_.m.suoni.sottotitoloFinoA = w_.piattaforma.scheduler.nowMs() + std::max(ms, LETTURA_MINIMA_MS);
}

bool Commento::pannelliChiusi() const {
    return !w_.m.finestra.fraPannello[2].Visible && !w_.m.finestra.fraPannello[3].Visible;
}

// ---------------------------------------------------------------- the deal

void Commento::DistribuzioneCarte() {
    Model& m = w_.m;
    w_.t.TimerCommentiFinali.disable();
    const std::string& p = m.opzioni[opz::Loquacita];
    if (!m.suoni.lblInterdiciSuoni && p != "Taciturno" && m.gioco.lblContatoreDistribuisciCarte == 1) {
        int r = w_.pick.NumeroCasuale(suoni::lati(Occasione::Apertura));
        if (suoni::parla(Occasione::Apertura, p, r)) {
            m.suoni.lblCommentoIniziale = true;
            CommentoApertura();
            return;
        }
    }
    if (!m.suoni.lblInterdiciSuoni && m.opzioni.is(opz::Rumori, "Si")) w_.rumori.SuonaDistribuzione();
}

void Commento::CommentoApertura() {
    Model& m = w_.m;
    int r = w_.pick.NumeroCasuale(24);
    m.suoni.lblInterdiciSuoni = true;
    const bool primo = !m.suoni.lblEtichettaAperturaGioco;
    const Chi ultimo = m.gioco.lblUltimoVincitore;
    const int n = suoni::sceltaApertura(primo, ultimo, r);
    // The remark for a drawn game is a shorter cut of the same file.
    const int ms = (!primo && ultimo == Chi::Nessuno) ? 2800 : 0;
    suonaCommento("Inizio", n, w_.t.TimerInterdiciSuoni, ms);
}

// ---------------------------------------------------------------- the tricks

void Commento::CommentaPresa() {
    Model& m = w_.m;
    int r = w_.pick.NumeroCasuale(suoni::lati(Occasione::Presa));
    const std::string& p = m.opzioni[opz::Loquacita];
    if (p == "Pettegolo" || (tre(p) && suoni::parla(Occasione::Presa, p, r))) {
        ScegliCommento();
        return;
    }
    if (tre(p) && !m.suoni.lblInterdiciSuoni && m.opzioni.is(opz::Rumori, "Si")) w_.rumori.SuonaCarta();
}

void Commento::ScegliCommento() {
    Model& m = w_.m;
    if (m.suoni.lblInterdiciSuoni) return;
    if (m.gioco.lblNumeroCarteRimaste < -4) return;  // the last trick of the game
    const int pc = m.gioco.lblNumeroCartaGiocataDaPC, h = m.gioco.lblNumeroCartaGiocataDaH;
    if (pc < 1 || pc > 3 || h < 4 || h > 6) return;
    const int vc = m.carte.lblValore[pc], vh = m.carte.lblValore[h];
    const int punti = cards::pointsOf(vc) + cards::pointsOf(vh);
    const bool pcPrende = w_.gioco.vincitorePresa(pc, h) == Chi::PC;
    const bool pcInizia = m.gioco.lblTurnoDiGioco == Chi::PC;
    if (pcPrende && pcInizia) CommentoVinceDiMano();
    else if (pcPrende) {
        if (m.carte.lblSeme[pc] == m.carte.lblSeme[7]) {
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

void Commento::CommentoVinceDiMano() {
    const int vh = w_.m.carte.lblValore[w_.m.gioco.lblNumeroCartaGiocataDaH];
    int r = w_.pick.NumeroCasuale(24);
    suonaCommento("1v", suoni::sceltaVinceDiMano(vh, r), w_.t.TimerFinisciCommento);
}

void Commento::CommentoPerdeDiMano() {
    const Carte& c = w_.m.carte;
    const int s = c.lblValore[w_.m.gioco.lblNumeroCartaGiocataDaPC] + c.lblValore[w_.m.gioco.lblNumeroCartaGiocataDaH];
    int r = w_.pick.NumeroCasuale(18);
    suonaCommento("1p", suoni::sceltaPerdeDiMano(s, r), w_.t.TimerFinisciCommento);
}

void Commento::CommentoPerdeRispondendo() {
    const int vc = w_.m.carte.lblValore[w_.m.gioco.lblNumeroCartaGiocataDaPC];
    int r = w_.pick.NumeroCasuale(24);
    suonaCommento("2p", suoni::sceltaPerdeRispondendo(vc, r), w_.t.TimerFinisciCommento);
}

void Commento::CommentoVinceRispondendo() {
    int r = w_.pick.NumeroCasuale(12);
    suonaCommento("2v", suoni::sceltaVinceRispondendo(r), w_.t.TimerFinisciCommento);
}

void Commento::CommentoBriscolaPesante() {
    int r = w_.pick.NumeroCasuale(12);
    suonaCommento("2v", suoni::sceltaBriscolaPesante(r), w_.t.TimerFinisciCommento);
}

void Commento::CommentoVinceRispondendoPoco() {
    const char seme = w_.m.carte.lblSeme[w_.m.gioco.lblNumeroCartaGiocataDaH];
    int r = w_.pick.NumeroCasuale(10);
    suonaCommento("2v", suoni::sceltaVinceRispondendoPoco(seme, r), w_.t.TimerFinisciCommento);
}

void Commento::CommentoBriscolaLeggera() {
    const char seme = w_.m.carte.lblSeme[w_.m.gioco.lblNumeroCartaGiocataDaH];
    int r = w_.pick.NumeroCasuale(10);
    suonaCommento("2v", suoni::sceltaBriscolaLeggera(seme, r), w_.t.TimerFinisciCommento);
}

// ---------------------------------------------------------------- impatience

void Commento::ImpostaIntervalloImpazienza() {
    // Setting an interval restarts the count: only a change is written.
    const int ms = suoni::intervalloImpazienza(w_.m.opzioni[opz::Carattere]);
    if (ms > 0 && ms != w_.t.TimerImpazienza.interval()) w_.t.TimerImpazienza.setInterval(ms);
}

void Commento::AvviaImpazienza() {
    if (!pannelliChiusi()) return;
    AvviaImpazienzaDopoPesca();
}

void Commento::AvviaImpazienzaDopoPesca() {
    const Opzioni& o = w_.m.opzioni;
    if (o.is(opz::Carattere, "Pacifico") || o.is(opz::Loquacita, "Taciturno")) return;
    w_.m.suoni.lblContaImpaz = 0;
    ImpostaIntervalloImpazienza();
    w_.t.TimerImpazienza.enable();
}

void Commento::FermaImpazienza() {
    w_.t.TimerImpazienza.disable();
    w_.m.suoni.lblContaImpaz = 0;
}

void Commento::TimerImpazienza_Timer() {
    StatoSuoni& s = w_.m.suoni;
    if (++s.lblContaImpaz < 12) return;
    s.lblContaImpaz = 0;
    if (s.lblInterdiciSuoni) return;  // a clip plays: the clock runs on
    s.lblInterdiciSuoni = true;
    w_.t.TimerImpazienza.disable();
    DecidiImpazienza();
}

void Commento::DecidiImpazienza() {
    int r = w_.pick.NumeroCasuale(suoni::lati(Occasione::Impazienza));
    if (suoni::parla(Occasione::Impazienza, w_.m.opzioni[opz::Loquacita], r)) {
        CommentoImpazienza();
        return;
    }
    w_.m.suoni.lblInterdiciSuoni = false;
    w_.t.TimerImpazienza.enable();
}

void Commento::CommentoImpazienza() {
    int r = w_.pick.NumeroCasuale(48);
    suonaCommento("Impaz", suoni::sceltaImpazienza(r), w_.t.TimerFineImpazienza);
}

void Commento::TimerFineImpazienza_Timer() {
    w_.t.TimerFineImpazienza.disable();
    w_.m.suoni.lblInterdiciSuoni = false;
    w_.m.suoni.lblContaImpaz = 0;
    // The clock lives only while the human is to play: not at the end panel, nor during the ceremony.
    const StatoGioco& g = w_.m.gioco;
    if (g.lblAChiTocca == Chi::H && g.lblGiocoInCorso && g.lblPuoiGiocare && pannelliChiusi())
        w_.t.TimerImpazienza.enable();
}

// ---------------------------------------------------------------- end timers

void Commento::TimerFinisciCommento_Timer() {
    w_.t.TimerFinisciCommento.disable();
    w_.m.suoni.lblInterdiciSuoni = false;
}

void Commento::TimerInterdiciSuoni_Timer() {
    w_.t.TimerInterdiciSuoni.disable();
    w_.m.suoni.lblInterdiciSuoni = false;
}

void Commento::TimerDurataCommentoFinale_Timer() {
    w_.t.TimerDurataCommentoFinale.disable();
    w_.m.suoni.lblInterdiciSuoni = false;
}

// ---------------------------------------------------------------- end of a game

void Commento::AvviaCommentiFinali() {
    w_.t.TimerCommentiFinali.setInterval(900);
    w_.t.TimerCommentiFinali.enable();
}

void Commento::FermaCommentiFinali() { w_.t.TimerCommentiFinali.disable(); }

void Commento::TimerCommentiFinali_Timer() {
    StatoSuoni& s = w_.m.suoni;
    // A card or trick noise still sounding is cut; a trick remark is left to end.
    if (!w_.t.TimerFinisciCommento.enabled()) s.lblInterdiciSuoni = false;
    w_.t.TimerCommentiFinali.disable();
    if (!s.lblInterdiciSuoni && !w_.m.opzioni.is(opz::Loquacita, "Taciturno")) CommentoFinale();
}

void Commento::CommentoFinale() {
    if (w_.t.TimerFinisciCommento.enabled()) return;
    w_.m.suoni.lblInterdiciSuoni = true;
    int r = w_.pick.NumeroCasuale(18);
    suonaCommento("Fine", suoni::sceltaFinale(w_.m.gioco.lblUltimoVincitore, r), w_.t.TimerDurataCommentoFinale);
}

// ---------------------------------------------------------------- leaving

void Commento::RestaInGioco() {
    const std::string& p = w_.m.opzioni[opz::Loquacita];
    if (p == "Taciturno") return;
    int r = w_.pick.NumeroCasuale(suoni::lati(Occasione::Resta));
    if (suoni::parla(Occasione::Resta, p, r)) CommentoRestaInGioco();
}

void Commento::CommentoRestaInGioco() {
    if (w_.m.suoni.lblInterdiciSuoni) return;
    w_.m.suoni.lblInterdiciSuoni = true;
    int r = w_.pick.NumeroCasuale(6);
    suonaCommento("Esci", suoni::sceltaResta(r), w_.t.TimerInterdiciSuoni);
}

bool Commento::PreparaUscita(int r) {
    if (suoni::parla(Occasione::Uscita, w_.m.opzioni[opz::Loquacita], r)) {
        CommentoUscita(r);
        return true;
    }
    w_.t.TimerEsci.setInterval(2200);
    clip::nomeFile(w_, Lettore::mmcUscita, suoni::FILE_SIGLA);
    return false;
}

void Commento::CommentoUscita(int r) {
    if (r < 1 || r > 6) return;
    const std::string file = suoni::fileCommento("Esci", suoni::sceltaUscita(r));
    clip::nomeFile(w_, Lettore::mmcUscita, file);
    sottotitola(file, w_.t.TimerEsci.interval());
}

}  // namespace zelvo
