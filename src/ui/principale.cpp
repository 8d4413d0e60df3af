#include "ui/principale.h"

#include "ui/regole.h"

namespace zelvo {

Principale::Principale(Piattaforma& p)
    : piattaforma(p),
      t(p.scheduler),
      pick(p.random, p.clock),
      routines(*this),
      flow(*this),
      commentary(*this),
      noises(*this),
      music(*this),
      records(*this) {
    t.TimerDistribuisciCarte.onTick = [this] { flow.TimerDistribuisciCarte_Timer(); };
    t.TimerAttesaDelPCaMuovere.onTick = [this] { flow.TimerAttesaDelPCaMuovere_Timer(); };
    t.TimerAnimazionecarteH.onTick = [this] { flow.TimerAnimazionecarteH_Timer(); };
    t.TimerAnimazionecartePC.onTick = [this] { flow.TimerAnimazionecartePC_Timer(); };
    t.TimerPrendicarte.onTick = [this] { flow.TimerPrendicarte_Timer(); };
    t.TimerUltimacartaH.onTick = [this] { flow.TimerUltimacartaH_Timer(); };
    t.TimerEffettuaLaPresa.onTick = [this] { flow.TimerEffettuaLaPresa_Timer(); };
    t.TimerPesca.onTick = [this] { flow.TimerPesca_Timer(); };
    t.TimerPescaUltimeDue.onTick = [this] { flow.TimerPescaUltimeDue_Timer(); };
    t.TimerBandiera.onTick = [this] { flow.TimerBandiera_Timer(); };
    t.TimerValoreAggiuntivo.onTick = [this] { flow.TimerValoreAggiuntivo_Timer(); };
    t.TimerImpazienza.onTick = [this] { commentary.TimerImpazienza_Timer(); };
    t.TimerFineImpazienza.onTick = [this] { commentary.TimerFineImpazienza_Timer(); };
    t.TimerFinisciCommento.onTick = [this] { commentary.TimerFinisciCommento_Timer(); };
    t.TimerInterdiciSuoni.onTick = [this] { commentary.TimerInterdiciSuoni_Timer(); };
    t.TimerDurataCommentoFinale.onTick = [this] { commentary.TimerDurataCommentoFinale_Timer(); };
    t.TimerCommentiFinali.onTick = [this] { commentary.TimerCommentiFinali_Timer(); };
    t.TimerFineRumoreCarte.onTick = [this] { noises.TimerFineRumoreCarte_Timer(); };
    t.TimerFermaBrano.onTick = [this] { music.TimerFermaBrano_Timer(); };
    t.TimerFrequenzaMusica.onTick = [this] { music.TimerFrequenzaMusica_Timer(); };
    t.TimerIniziaInno.onTick = [this] { music.TimerIniziaInno_Timer(); };
    t.TimerEsci.onTick = [this] { routines.TimerEsci_Timer(); };
    t.TimerCaricaPartita.onTick = [this] { records.TimerCaricaPartita_Timer(); };

    m.window.lblPC.Caption = "ZELVO";
    m.window.lblPC.ForeColor = m.window.lblH.ForeColor = colour::WHITE;
    m.window.lblIstruzioneIniziale.Caption =
        "Quando sei pronto a iniziare la Partita clicca su una delle tue carte.";
    m.window.lblIstruzioneIniziale.Visible = true;
    for (int s = 1; s <= 8; ++s) {
        m.window.ImgCarta[s].Left = place::LEFT[s];
        m.window.ImgCarta[s].Top = place::TOP[s];
        m.window.ShpCarta[s].Left = place::LEFT[s] - place::FRAME;
        m.window.ShpCarta[s].Top = place::TOP[s] - place::FRAME;
    }
    m.window.lblComandi.fill(colour::WHITE);
    m.window.lblRegoleDelGioco = regole::TITOLO_REGOLE;
    m.window.lblRegole = regole::corpo(1);
}

void Principale::Form_Load() {
    // The first game starts from the initial values of the fields; it is not a NuovoGioco.
    // The intervals the options derive come first: the settings file then puts back the saved ones.
    flow.applicaIntervalli();
    records.CaricaImpostazioni();
    records.AggiornaNomeLivello();
    // The panel that was open when the game was left.
    if (m.records.lblPannelloVisualizzato == "Dati") {
        m.window.fraPannello[0] = {true, 110, 30};
        m.window.lblComandi[menu::Dati] = colour::GREEN;
    } else if (m.records.lblPannelloVisualizzato == "Partita") {
        m.window.fraPannello[1] = {true, 110, 30};
        m.window.lblComandi[menu::Partita] = colour::GREEN;
    }
    routines.MostraPaginaRegole();
    if (m.options.is(opz::MostraCarte, "No")) {
        for (int k = 2; k <= 18; ++k)
            m.data.lblDati[cells::pcDraw(k)].Visible = m.data.lblDati[cells::humanDraw(k)].Visible = false;
        m.data.intestazioniPescateVisibili = false;
    }
    routines.VisualizzaPunteggio();
    // The colours and backs: the stored ones, or drawn at random when option 0 asks for it.
    if (m.options.is(opz::GraficaCasuale, "No")) {
        routines.ApplicaColoreTavolo();
        routines.ApplicaColoreRetro();
    } else {
        routines.graficaCasuale();
    }
    records.CaricaAlbo();
    records.CaricaCarteOpzionali();
    m.window.lblH.Caption = m.playerName;
    m.data.lblDati[1].Caption = m.playerName;
    flow.scriviIntestazione(true);
    cmdMescolaCarte(m.cards, pick);
    t.TimerDistribuisciCarte.enable();
}

void Principale::PassaAlTavolo(const std::string& nome, const std::string& sesso) {
    m.playerName = nome;
    m.window.lblH.Caption = nome;
    m.data.lblDati[1].Caption = nome;
    m.lblSessoGiocatore = sesso;
}

void Principale::ImgCarta_Click(int i) {
    if (i < 1 || i > 8 || !m.window.ImgCarta[i].Visible) return;  // nothing to click there
    flow.ImgCarta_Click(i);
}

void Principale::lblPuntiPC_Click() {
    if (m.window.lblPuntiPCVista.Visible) records.SalvaAlbo();
}

void Principale::cmdEffettuaLaPresa_Click() {
    if (!m.window.cmdEffettuaLaPresa.Visible) return;
    flow.cmdEffettuaLaPresa_Click();
}

void Principale::cmdContinuaOIniziaPartita_Click() {
    if (!m.window.fraFineGioco.Visible) return;
    flow.cmdContinuaOIniziaPartita_Click();
}

void Principale::tastoInvio() {
    Window& f = m.window;
    if (f.cmdSetFocusAlbo.focus) routines.cmdSetFocusAlbo_Click();
    else if (f.cmdEffettuaLaPresa.Visible && f.cmdEffettuaLaPresa.focus) cmdEffettuaLaPresa_Click();
    else if (f.cmdContinuaOIniziaPartita.focus) cmdContinuaOIniziaPartita_Click();
    else if (f.cmdScegliManche.Visible && f.cmdScegliManche.focus) records.cmdScegliManche();
    else if (f.cmdInizioAnalisi.Visible && f.cmdInizioAnalisi.focus) records.cmdInizioAnalisi();
}

}  // namespace zelvo
