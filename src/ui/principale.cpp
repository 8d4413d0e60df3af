#include "ui/principale.h"

#include "ui/regole.h"

namespace zelvo {

Principale::Principale(Piattaforma& p)
    : piattaforma(p),
      t(p.scheduler),
      pick(p.random, p.clock),
      finestra(*this),
      gioco(*this),
      commento(*this),
      rumori(*this),
      musica(*this),
      registri(*this) {
    t.TimerDistribuisciCarte.onTick = [this] { gioco.TimerDistribuisciCarte_Timer(); };
    t.TimerAttesaDelPCaMuovere.onTick = [this] { gioco.TimerAttesaDelPCaMuovere_Timer(); };
    t.TimerAnimazionecarteH.onTick = [this] { gioco.TimerAnimazionecarteH_Timer(); };
    t.TimerAnimazionecartePC.onTick = [this] { gioco.TimerAnimazionecartePC_Timer(); };
    t.TimerPrendicarte.onTick = [this] { gioco.TimerPrendicarte_Timer(); };
    t.TimerUltimacartaH.onTick = [this] { gioco.TimerUltimacartaH_Timer(); };
    t.TimerEffettuaLaPresa.onTick = [this] { gioco.TimerEffettuaLaPresa_Timer(); };
    t.TimerPesca.onTick = [this] { gioco.TimerPesca_Timer(); };
    t.TimerPescaUltimeDue.onTick = [this] { gioco.TimerPescaUltimeDue_Timer(); };
    t.TimerBandiera.onTick = [this] { gioco.TimerBandiera_Timer(); };
    t.TimerValoreAggiuntivo.onTick = [this] { gioco.TimerValoreAggiuntivo_Timer(); };
    t.TimerImpazienza.onTick = [this] { commento.TimerImpazienza_Timer(); };
    t.TimerFineImpazienza.onTick = [this] { commento.TimerFineImpazienza_Timer(); };
    t.TimerFinisciCommento.onTick = [this] { commento.TimerFinisciCommento_Timer(); };
    t.TimerInterdiciSuoni.onTick = [this] { commento.TimerInterdiciSuoni_Timer(); };
    t.TimerDurataCommentoFinale.onTick = [this] { commento.TimerDurataCommentoFinale_Timer(); };
    t.TimerCommentiFinali.onTick = [this] { commento.TimerCommentiFinali_Timer(); };
    t.TimerFineRumoreCarte.onTick = [this] { rumori.TimerFineRumoreCarte_Timer(); };
    t.TimerFermaBrano.onTick = [this] { musica.TimerFermaBrano_Timer(); };
    t.TimerFrequenzaMusica.onTick = [this] { musica.TimerFrequenzaMusica_Timer(); };
    t.TimerIniziaInno.onTick = [this] { musica.TimerIniziaInno_Timer(); };
    t.TimerEsci.onTick = [this] { finestra.TimerEsci_Timer(); };
    t.TimerCaricaPartita.onTick = [this] { registri.TimerCaricaPartita_Timer(); };

    m.finestra.lblPC.Caption = "ZELVO";
    m.finestra.lblPC.ForeColor = m.finestra.lblH.ForeColor = colour::WHITE;
    m.finestra.lblIstruzioneIniziale.Caption =
        "Quando sei pronto a iniziare la Partita clicca su una delle tue carte.";
    m.finestra.lblIstruzioneIniziale.Visible = true;
    for (int s = 1; s <= 8; ++s) {
        m.finestra.ImgCarta[s].Left = posto::LEFT[s];
        m.finestra.ImgCarta[s].Top = posto::TOP[s];
        m.finestra.ShpCarta[s].Left = posto::LEFT[s] - posto::CORNICE;
        m.finestra.ShpCarta[s].Top = posto::TOP[s] - posto::CORNICE;
    }
    m.finestra.lblComandi.fill(colour::WHITE);
    m.finestra.lblRegoleDelGioco = regole::TITOLO_REGOLE;
    m.finestra.lblRegole = regole::corpo(1);
}

void Principale::Form_Load() {
    // The first game starts from the initial values of the fields; it is not a NuovoGioco.
    // The intervals the options derive come first: the settings file then puts back the saved ones.
    gioco.applicaIntervalli();
    registri.CaricaImpostazioni();
    registri.AggiornaNomeLivello();
    // The panel that was open when the game was left.
    if (m.registri.lblPannelloVisualizzato == "Dati") {
        m.finestra.fraPannello[0] = {true, 110, 30};
        m.finestra.lblComandi[menu::Dati] = colour::GREEN;
    } else if (m.registri.lblPannelloVisualizzato == "Partita") {
        m.finestra.fraPannello[1] = {true, 110, 30};
        m.finestra.lblComandi[menu::Partita] = colour::GREEN;
    }
    finestra.MostraPaginaRegole();
    if (m.opzioni.is(opz::MostraCarte, "No")) {
        for (int k = 2; k <= 18; ++k)
            m.dati.lblDati[dati::pescataPC(k)].Visible = m.dati.lblDati[dati::pescataH(k)].Visible = false;
        m.dati.intestazioniPescateVisibili = false;
    }
    finestra.VisualizzaPunteggio();
    // The colours and backs: the stored ones, or drawn at random when option 0 asks for it.
    if (m.opzioni.is(opz::GraficaCasuale, "No")) {
        finestra.ApplicaColoreTavolo();
        finestra.ApplicaColoreRetro();
    } else {
        finestra.graficaCasuale();
    }
    registri.CaricaAlbo();
    registri.CaricaCarteOpzionali();
    m.finestra.lblH.Caption = m.nomeGiocatore;
    m.dati.lblDati[1].Caption = m.nomeGiocatore;
    gioco.scriviIntestazione(true);
    cmdMescolaCarte(m.carte, pick);
    t.TimerDistribuisciCarte.enable();
}

void Principale::PassaAlTavolo(const std::string& nome, const std::string& sesso) {
    m.nomeGiocatore = nome;
    m.finestra.lblH.Caption = nome;
    m.dati.lblDati[1].Caption = nome;
    m.lblSessoGiocatore = sesso;
}

void Principale::ImgCarta_Click(int i) {
    if (i < 1 || i > 8 || !m.finestra.ImgCarta[i].Visible) return;  // nothing to click there
    gioco.ImgCarta_Click(i);
}

void Principale::lblPuntiPC_Click() {
    if (m.finestra.lblPuntiPCVista.Visible) registri.SalvaAlbo();
}

void Principale::cmdEffettuaLaPresa_Click() {
    if (!m.finestra.cmdEffettuaLaPresa.Visible) return;
    gioco.cmdEffettuaLaPresa_Click();
}

void Principale::cmdContinuaOIniziaPartita_Click() {
    if (!m.finestra.fraFineGioco.Visible) return;
    gioco.cmdContinuaOIniziaPartita_Click();
}

void Principale::tastoInvio() {
    Finestra& f = m.finestra;
    if (f.cmdSetFocusAlbo.focus) finestra.cmdSetFocusAlbo_Click();
    else if (f.cmdEffettuaLaPresa.Visible && f.cmdEffettuaLaPresa.focus) cmdEffettuaLaPresa_Click();
    else if (f.cmdContinuaOIniziaPartita.focus) cmdContinuaOIniziaPartita_Click();
    else if (f.cmdScegliManche.Visible && f.cmdScegliManche.focus) registri.cmdScegliManche();
    else if (f.cmdInizioAnalisi.Visible && f.cmdInizioAnalisi.focus) registri.cmdInizioAnalisi();
}

}  // namespace zelvo
