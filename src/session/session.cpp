#include "session/session.h"

#include "cards/deck.h"
#include "model/look.h"

namespace zelvo {

Session::Session(Platform& p)
    : platform(p),
      t(p.scheduler),
      pick(p.random, p.clock),
      noises(AudioModel{m.sounds, m.game, m.cards, m.options, m.window},
             AudioTimers{t.TimerImpazienza, t.TimerFineImpazienza, t.TimerFinisciCommento, t.TimerInterdiciSuoni,
                         t.TimerDurataCommentoFinale, t.TimerCommentiFinali, t.TimerFineRumoreCarte,
                         t.TimerFermaBrano, t.TimerFrequenzaMusica, t.TimerIniziaInno},
             p, pick),
      commentary(AudioModel{m.sounds, m.game, m.cards, m.options, m.window},
                 AudioTimers{t.TimerImpazienza, t.TimerFineImpazienza, t.TimerFinisciCommento, t.TimerInterdiciSuoni,
                             t.TimerDurataCommentoFinale, t.TimerCommentiFinali, t.TimerFineRumoreCarte,
                             t.TimerFermaBrano, t.TimerFrequenzaMusica, t.TimerIniziaInno},
                 p, pick, noises),
      music(AudioModel{m.sounds, m.game, m.cards, m.options, m.window},
            AudioTimers{t.TimerImpazienza, t.TimerFineImpazienza, t.TimerFinisciCommento, t.TimerInterdiciSuoni,
                        t.TimerDurataCommentoFinale, t.TimerCommentiFinali, t.TimerFineRumoreCarte, t.TimerFermaBrano,
                        t.TimerFrequenzaMusica, t.TimerIniziaInno},
            p, pick),
      flow(FlowModel{m.cards, m.game, m.window, m.data, m.options, m.sounds, m.records, m.playerName},
           FlowTimers{t.TimerDistribuisciCarte, t.TimerAttesaDelPCaMuovere, t.TimerAnimazionecarteH,
                      t.TimerAnimazionecartePC, t.TimerPrendicarte, t.TimerUltimacartaH, t.TimerEffettuaLaPresa,
                      t.TimerPesca, t.TimerPescaUltimeDue, t.TimerValoreAggiuntivo, t.TimerBandiera},
           pick, p.clock, *this),
      hallOfFame(HallOfFameModel{m.records, m.data, m.window, m.game, m.options}, p),
      review(ReviewModel{m.cards, m.game, m.window, m.data, m.records, m.options}, *this),
      archive(ReviewModel{m.cards, m.game, m.window, m.data, m.records, m.options}, t.TimerCaricaPartita, p, review) {
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
    t.TimerCaricaPartita.onTick = [this] { archive.TimerCaricaPartita_Timer(); };

    Window& w = m.window;
    w.lblPC.Caption = "ZELVO";
    w.lblPC.ForeColor = w.lblH.ForeColor = colour::WHITE;
    w.lblIstruzioneIniziale.Caption = "Quando sei pronto a iniziare la Partita clicca su una delle tue carte.";
    w.lblIstruzioneIniziale.Visible = true;
    for (int s = 1; s <= 8; ++s) {
        w.ImgCarta[s].Left = place::LEFT[s];
        w.ImgCarta[s].Top = place::TOP[s];
        w.ShpCarta[s].Left = place::LEFT[s] - place::FRAME;
        w.ShpCarta[s].Top = place::TOP[s] - place::FRAME;
    }
    w.lblComandi.fill(colour::WHITE);
}

void Session::Form_Load() {
    Look look(m.window, m.cards, m.options, m.data);
    // The first game starts from the initial values of the fields; it is not a NuovoGioco.
    // The intervals the options derive come first: the settings file then puts back the saved ones.
    flow.applyIntervals();
    CaricaImpostazioni();
    look.AggiornaNomeLivello();
    // The panel that was open when the game was left.
    if (m.records.lblPannelloVisualizzato == PANEL_DATA) {
        m.window.fraPannello[0] = {true, 110, 30};
        m.window.lblComandi[menu::Dati] = colour::GREEN;
    } else if (m.records.lblPannelloVisualizzato == PANEL_MATCH) {
        m.window.fraPannello[1] = {true, 110, 30};
        m.window.lblComandi[menu::Partita] = colour::GREEN;
    }
    if (m.options.get<ShowCards>() == ShowCards::No) {
        for (int k = 2; k <= 18; ++k)
            m.data.lblDati[cells::pcDraw(k)].Visible = m.data.lblDati[cells::humanDraw(k)].Visible = false;
        m.data.intestazioniPescateVisibili = false;
    }
    look.VisualizzaPunteggio();
    // The colours and backs: the stored ones, or drawn at random unless option 0 says no.
    if (m.options.get<RandomGraphics>() == RandomGraphics::No) {
        look.ApplicaColoreTavolo();
        look.ApplicaColoreRetro();
    } else {
        look.randomGraphics(pick);
    }
    hallOfFame.CaricaAlbo();
    CaricaCarteOpzionali();
    m.window.lblH.Caption = m.playerName;
    m.data.lblDati[1].Caption = m.playerName;
    flow.writeHeadings(true);
    cmdMescolaCarte(m.cards, pick);
    t.TimerDistribuisciCarte.enable();
}

void Session::PassaAlTavolo(const std::string& name, const std::string& sex) {
    m.playerName = name;
    m.window.lblH.Caption = name;
    m.data.lblDati[1].Caption = name;
    m.lblSessoGiocatore = sex;
}

// ---------------------------------------------------------------- settings

void Session::applySettings(const SavedSettings& s) {
    for (int i = 0; i < OPTION_COUNT; ++i)
        if (s.options[i]) m.options.lblOpzione[i] = *s.options[i];
    if (s.computerPauseMs) t.TimerAttesaDelPCaMuovere.setInterval(*s.computerPauseMs);
    if (s.peek) m.game.lblSbirciata = *s.peek != textOf(ShowCards::No);
    if (s.takingMs) t.TimerEffettuaLaPresa.setInterval(*s.takingMs);
    RecordsState& r = m.records;
    for (int k = 2; k <= 4; ++k) {
        if (s.ShpLineaVLeft[k]) r.ShpLineaVLeft[k] = *s.ShpLineaVLeft[k];
        if (s.ShpLineaVVisible[k]) r.ShpLineaVVisible[k] = *s.ShpLineaVVisible[k];
        if (s.shpPuntiPCLeft[k]) r.shpPuntiPCLeft[k] = *s.shpPuntiPCLeft[k];
        if (s.shpPuntiHLeft[k]) r.shpPuntiHLeft[k] = *s.shpPuntiHLeft[k];
    }
    if (s.animationPCMs) t.TimerAnimazionecartePC.setInterval(*s.animationPCMs);
    if (s.animationHMs) t.TimerAnimazionecarteH.setInterval(*s.animationHMs);
    Window& w = m.window;
    bool* shown[4] = {&w.lblPuntiPCVista.Visible, &w.lblPuntiPCScritta.Visible, &w.lblPuntiHVista.Visible,
                      &w.lblPuntiHScritta.Visible};
    for (int k = 0; k < 4; ++k)
        if (s.pointsShown[k]) *shown[k] = *s.pointsShown[k];
    if (s.lblPannelloVisualizzato) r.lblPannelloVisualizzato = *s.lblPannelloVisualizzato;
    if (s.lblContinuaregole) r.lblContinuaregole = *s.lblContinuaregole;
}

SavedSettings Session::settingsToSave() const {
    SavedSettings s;
    for (int i = 0; i < OPTION_COUNT; ++i) s.options[i] = m.options.lblOpzione[i];
    s.computerPauseMs = t.TimerAttesaDelPCaMuovere.interval();
    s.takingMs = t.TimerEffettuaLaPresa.interval();
    s.animationPCMs = t.TimerAnimazionecartePC.interval();
    s.animationHMs = t.TimerAnimazionecarteH.interval();
    const RecordsState& r = m.records;
    for (int k = 2; k <= 4; ++k) {
        s.ShpLineaVLeft[k] = r.ShpLineaVLeft[k];
        s.ShpLineaVVisible[k] = r.ShpLineaVVisible[k];
        s.shpPuntiPCLeft[k] = r.shpPuntiPCLeft[k];
        s.shpPuntiHLeft[k] = r.shpPuntiHLeft[k];
    }
    const Window& w = m.window;
    s.pointsShown = {w.lblPuntiPCVista.Visible, w.lblPuntiPCScritta.Visible, w.lblPuntiHVista.Visible,
                     w.lblPuntiHScritta.Visible};
    s.lblPannelloVisualizzato = r.lblPannelloVisualizzato;
    s.lblContinuaregole = r.lblContinuaregole;
    return s;
}

void Session::CaricaImpostazioni() {
    if (platform.files) applySettings(zelvo::CaricaImpostazioni(*platform.files));
}

void Session::CaricaCarteOpzionali() {
    if (!platform.files) return;
    const OptionalDeck deck = zelvo::CaricaCarteOpzionali(*platform.files);
    if (deck.lblCarteOpzionali) m.records.lblCarteOpzionali = *deck.lblCarteOpzionali;
    if (deck.framed) m.window.lblBordoCarteOpzionali = *deck.framed ? 1 : 0;
    if (deck.lblNomeCarteOpzionali) m.records.lblNomeCarteOpzionali = *deck.lblNomeCarteOpzionali;
}

void Session::SalvaImpostazioni() {
    if (platform.files) zelvo::SalvaImpostazioni(*platform.files, settingsToSave());
}

// ---------------------------------------------------------------- input

void Session::ImgCarta_Click(int i) {
    if (i < 1 || i > 8 || !m.window.ImgCarta[i].Visible) return;  // nothing to click there
    flow.ImgCarta_Click(i);
}

void Session::lblPuntiPC_Click() {
    if (m.window.lblPuntiPCVista.Visible) hallOfFame.SalvaAlbo();
}

void Session::cmdEffettuaLaPresa_Click() {
    if (!m.window.cmdEffettuaLaPresa.Visible) return;
    flow.cmdEffettuaLaPresa_Click();
}

void Session::cmdContinuaOIniziaPartita_Click() {
    if (!m.window.fraFineGioco.Visible) return;
    flow.cmdContinuaOIniziaPartita_Click();
}

void Session::tastoInvio() {
    const Window& w = m.window;
    if (w.cmdEffettuaLaPresa.Visible && w.cmdEffettuaLaPresa.focus) cmdEffettuaLaPresa_Click();
    else if (w.cmdContinuaOIniziaPartita.focus) cmdContinuaOIniziaPartita_Click();
    else if (w.cmdScegliManche.Visible && w.cmdScegliManche.focus) review.cmdScegliManche();
    else if (w.cmdInizioAnalisi.Visible && w.cmdInizioAnalisi.focus) review.cmdInizioAnalisi();
}

// ---------------------------------------------------------------- what the subsystems report

void Session::dealStep() { commentary.DistribuzioneCarte(); }

void Session::dealEnded(bool humanLeads) {
    m.sounds.lblCommentoIniziale = false;
    if (humanLeads) commentary.AvviaImpazienza();
    music.MusicaDistribuzione();
    m.sounds.lblMusicaInterrotta = false;
}

void Session::humanToPlay() { commentary.AvviaImpazienza(); }
void Session::humanToPlayAfterDraw() { commentary.AvviaImpazienzaDopoPesca(); }
void Session::noMoveAwaited() { commentary.FermaImpazienza(); }
void Session::cardDown() { noises.cardDown(); }
void Session::trickComplete() { commentary.trickComplete(); }
void Session::trickTaken(int stock) { noises.trickTaken(stock); }
void Session::cardDrawn() { noises.cardDrawn(); }

void Session::anthem(Who winner) {
    if (winner == Who::PC) music.InnoInglese();
    else music.InnoItaliano();
}

void Session::endPanelShown() { commentary.AvviaCommentiFinali(); }

void Session::matchOver() {
    hallOfFame.AggiornaClassifica();
    hallOfFame.SalvaAlbo();
    if (m.records.lblTotalePartite != 0) m.records.lblDieciMigliori = false;
}

void Session::flagGone() { music.RipristinaTitolo(); }

void Session::nextGame() {
    commentary.FermaCommentiFinali();
    music.ChiudiInno();
}

void Session::reviewStep(int phase) { noises.reviewStep(phase); }

void Session::backToGame() {
    m.sounds.lblInterdiciSuoni = false;
    flow.NuovoGioco();
}

}  // namespace zelvo
