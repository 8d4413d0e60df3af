#include "ui/window_routines.h"

#include "audio/clip.h"
#include "model/look.h"
#include "ui/rules_pages.h"
#include "ui/table_geometry.h"

namespace zelvo {

WindowRoutines::WindowRoutines(Session& s) : s_(s) {
    s_.t.TimerEsci.onTick = [this] { TimerEsci_Timer(); };
    s_.m.window.lblRegoleDelGioco = rules_pages::RULES_TITLE;
    s_.m.window.lblRegole = rules_pages::body(1);
}

void WindowRoutines::Form_Load() {
    s_.Form_Load();
    MostraPaginaRegole();
}

void WindowRoutines::lblComandi_Click(int i) {
    Model& m = s_.m;
    Window& f = m.window;
    if (i < 1 || i > 5 || !f.comandoAbilitato[i]) return;
    if (i == menu::Partita || i == menu::Dati) {
        // The match panel and the data panel share the left of the table: one at a time.
        const int self = i == menu::Partita ? 1 : 0, other = 1 - self;
        const int otherEntry = i == menu::Partita ? menu::Dati : menu::Partita;
        if (f.lblComandi[i] == colour::WHITE) {
            m.records.lblPannelloVisualizzato = i == menu::Partita ? PANEL_MATCH : PANEL_DATA;
            f.fraPannello[self] = {true, 110, 30};
            f.fraPannello[other].Visible = false;
            f.lblComandi[otherEntry] = colour::WHITE;
            f.lblComandi[i] = colour::GREEN;
        } else {
            m.records.lblPannelloVisualizzato = PANEL_NONE;
            f.lblComandi[i] = colour::WHITE;
            f.fraPannello[self].Visible = false;
        }
    } else if (i == menu::Albo || i == menu::Options) {
        // The hall of fame and the options panel share the right of the table: one at a time.
        const int self = i == menu::Albo ? 3 : 2, other = 5 - self;
        const int otherEntry = i == menu::Albo ? menu::Options : menu::Albo;
        if (!f.fraPannello[self].Visible) {
            s_.t.TimerImpazienza.disable();
            f.lblComandi[i] = colour::GREEN;
            f.fraPannello[self] = {true, 2925, 30};
            f.fraPannello[other].Visible = false;
            f.lblComandi[otherEntry] = colour::WHITE;
            if (i == menu::Albo) m.options.lblOpzioneEvidenziata.fill(false);
            if (i == menu::Albo && m.records.lblTotalePartite > 0) m.records.lblDieciMigliori = false;
        } else {
            f.lblComandi[i] = colour::WHITE;
            f.fraPannello[self].Visible = false;
            if (i == menu::Options) {
                m.options.lblOpzioneEvidenziata.fill(false);
                m.options.lblOpzioneMouse = Options::NONE;
            }
            if (i == menu::Albo && f.fraFineGioco.Visible && !f.lblIstruzioneIniziale.Visible)
                giveFocus(f, f.cmdContinuaOIniziaPartita);
            resumeImpatience();
        }
    } else if (i == menu::Esci) {
        if (f.uscitaInCorso) return;
        if (f.lblComandi[menu::Esci] == colour::WHITE) {
            f.lblComandi[menu::Esci] = colour::GREEN;
            f.lblComandi[menu::Albo] = f.lblComandi[menu::Options] = colour::WHITE;
            f.fraPannello[3].Visible = f.fraPannello[2].Visible = false;
            f.fraEsci = {true, 3420, 3030};
        } else {
            f.lblComandi[menu::Esci] = colour::WHITE;
            f.fraEsci.Visible = false;
        }
    }
}

void WindowRoutines::lblNo_Click() {
    Window& f = s_.m.window;
    f.lblComandi[menu::Esci] = colour::WHITE;
    f.fraEsci.Visible = false;
    s_.commentary.RestaInGioco();
}

void WindowRoutines::lblSi_Click() {
    Model& m = s_.m;
    Window& f = m.window;
    Timers& t = s_.t;
    if (f.uscitaInCorso) return;
    f.uscitaInCorso = true;
    const int r = s_.pick.NumeroCasuale(6);
    f.lblComandi[menu::Esci] = colour::WHITE;
    m.sounds.lblInterdiciSuoni = true;  // no further game sounds
    t.TimerDistribuisciCarte.disable();
    t.TimerBandiera.disable();
    f.ImgBandiera[2].Visible = false;
    s_.SalvaImpostazioni();
    f.lblIstruzionePannelloDati = false;
    f.lblIstruzioneIniziale.Visible = false;
    f.fraEsci.Visible = false;
    f.fraFineGioco.Visible = false;
    f.ImgBandiera[1].Top = 3150;
    t.TimerImpazienza.disable();
    // The farewell flag: Italy or England at the toss of the exit's draw.
    f.ImgBandiera[1].Picture =
        r % 2 ? "C:\\Programmi\\Zelvo\\Grafica\\Italia.bmp" : "C:\\Programmi\\Zelvo\\Grafica\\Inghil.bmp";
    f.ImgBandiera[1].Visible = true;
    for (Player l : {Player::mmcRumori, Player::mmcBandiera, Player::mmcBrano}) clip::command(s_.platform, l, "Close");
    // Without a farewell remark the theme plays, and the window waits for it a little longer.
    if (!s_.commentary.PreparaUscita(r, t.TimerEsci.interval())) t.TimerEsci.setInterval(2200);
    clip::openAndPlay(s_.platform, Player::mmcUscita);
    t.TimerEsci.enable();
}

void WindowRoutines::TimerEsci_Timer() {
    s_.t.TimerEsci.disable();
    if (uscita) uscita();
}

void WindowRoutines::closeRequested() {
    if (s_.m.window.uscitaInCorso) TimerEsci_Timer();
    else lblSi_Click();
}

void WindowRoutines::resumeImpatience() {
    const Model& m = s_.m;
    if (m.game.lblAChiTocca == Who::H && m.options.get<Temper>() != Temper::Peaceful &&
        m.options.get<Talkativeness>() != Talkativeness::Taciturn && !m.window.fraFineGioco.Visible &&
        !s_.t.TimerBandiera.enabled())
        s_.commentary.AvviaImpazienza();
}

void WindowRoutines::layoutGamesWon() {
    RecordsState& r = s_.m.records;
    for (int k = 1; k <= 5; ++k) s_.m.window.shpPuntiPC[k] = s_.m.window.shpPuntiH[k] = false;
    auto columns = [&](float c2, float c3, float c4) {
        r.shpPuntiPCLeft[2] = r.shpPuntiHLeft[2] = c2;
        r.shpPuntiPCLeft[3] = r.shpPuntiHLeft[3] = c3;
        r.shpPuntiPCLeft[4] = r.shpPuntiHLeft[4] = c4;
    };
    switch (s_.m.options.get<MatchEnd>()) {
        case MatchEnd::BestOf3:
            r.ShpLineaVVisible = {false, false, false, true, false};
            columns(1215, 1935, r.shpPuntiPCLeft[4]);
            break;
        case MatchEnd::BestOf4:
            r.ShpLineaVVisible = {false, false, true, false, true};
            r.ShpLineaVLeft[2] = 1095;
            r.ShpLineaVLeft[4] = 1575;
            columns(975, 1455, 1935);
            break;
        case MatchEnd::BestOf5:
            r.ShpLineaVVisible = {false, false, true, true, true};
            r.ShpLineaVLeft[2] = 975;
            r.ShpLineaVLeft[4] = 1695;
            columns(855, 1215, 1575);
            break;
        case MatchEnd::Unknown: break;
    }
}

void WindowRoutines::LstAlbo_Click() {
    if (s_.m.window.fraPannello[3].Visible) giveFocus(s_.m.window, s_.m.window.cmdSetFocusAlbo);
}

void WindowRoutines::cmdSetFocusAlbo_Click() {
    Window& f = s_.m.window;
    if (!f.fraFineGioco.Visible || f.lblIstruzioneIniziale.Visible) return;
    f.fraPannello[3].Visible = false;
    f.lblComandi[menu::Albo] = colour::WHITE;
    giveFocus(f, f.cmdContinuaOIniziaPartita);
}

void WindowRoutines::tastoInvio() {
    const Window& f = s_.m.window;
    if (f.cmdSetFocusAlbo.focus) cmdSetFocusAlbo_Click();
    else if (f.cmdTornaAlGioco.Visible && f.cmdTornaAlGioco.focus) s_.review.cmdTornaAlGioco();
    else if (f.cmdLoad.Visible && f.cmdLoad.focus) openGame();
    else if (f.cmdSave.Visible && f.cmdSave.focus) saveGame();
    else s_.tastoInvio();
}

void WindowRoutines::cardKey(int k) {
    const Model& m = s_.m;
    const GameAndMatch& g = m.game;
    if (k < 1 || k > 3 || m.window.uscitaInCorso) return;
    if (g.lblAChiTocca != Who::H || !g.lblGiocoInCorso || !g.lblPuoiGiocare) return;
    // Only a card that a click could reach: not one under a panel or the exit frame.
    const int slot = 3 + k;
    const geometry::Rect r = geometry::card(m.window.ImgCarta[slot]);
    const std::optional<geometry::HitZone> z =
        geometry::zoneAt(geometry::hitZones(m), r.left + r.width / 2, r.top + r.height / 2);
    if (z && z->zone == geometry::Zone::Card && z->index == slot) s_.ImgCarta_Click(slot);
}

void WindowRoutines::escapeKey() {
    if (s_.m.window.fraEsci.Visible) lblNo_Click();
    else lblComandi_Click(menu::Esci);
}

void WindowRoutines::moveFocus(bool forward) {
    Window& f = s_.m.window;
    std::vector<Button*> shown;
    if (f.fraPannello[0].Visible)
        for (Button* b : {&f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco, &f.cmdLoad, &f.cmdSave})
            if (b->Visible) shown.push_back(b);
    if (f.cmdEffettuaLaPresa.Visible) shown.push_back(&f.cmdEffettuaLaPresa);
    if (f.fraFineGioco.Visible && f.cmdContinuaOIniziaPartita.Enabled) shown.push_back(&f.cmdContinuaOIniziaPartita);
    if (shown.empty()) return;
    const int n = static_cast<int>(shown.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (shown[i]->focus) at = i;
    const int next = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
    giveFocus(f, *shown[next]);
}

void WindowRoutines::pressReviewButton(int i) {
    Window& f = s_.m.window;
    if (!f.fraPannello[0].Visible || !f.cmdScegliManche.Visible) return;
    switch (i) {
        case 0: s_.review.cmdInizioAnalisi(); break;
        case 1:
            giveFocus(f, f.cmdScegliManche);
            s_.review.cmdScegliManche();
            break;
        case 2: s_.review.cmdTornaAlGioco(); break;
        case 3: openGame(); break;
        case 4: saveGame(); break;
        default: break;
    }
}

void WindowRoutines::openGame() {
    Window& f = s_.m.window;
    giveFocus(f, f.cmdLoad);
    s_.archive.cmdLoad();
    // Cancelled, or a file that could not be read: Enter steps the review again.
    if (f.cmdLoad.focus) giveFocus(f, f.cmdScegliManche);
}

void WindowRoutines::saveGame() {
    Window& f = s_.m.window;
    s_.archive.SalvaGioco();
    if (f.cmdScegliManche.Visible) giveFocus(f, f.cmdScegliManche);
}

void WindowRoutines::lblContinuaregole_Click() {
    std::string& caption = s_.m.records.lblContinuaregole;
    caption = rules_pages::nextCaption(caption);
    MostraPaginaRegole();
}

void WindowRoutines::MostraPaginaRegole() {
    Window& f = s_.m.window;
    const int n = rules_pages::page(s_.m.records.lblContinuaregole);
    switch (n) {
        case 1:
            f.ImgAutoreVisible = false;
            f.lblRegoleHeight = 7710;
            f.lblRegoleTop = 810;
            f.lblRegoleDelGioco = rules_pages::RULES_TITLE;
            break;
        case 2: break;  // the title of page 1 stays
        case 3:
        case 4: f.lblRegoleDelGioco = rules_pages::PRESENTATION_TITLE; break;
        case 5:
            f.lblRegoleDelGioco = rules_pages::AUTHOR_TITLE;
            f.lblRegoleHeight = 5490;
            f.lblRegoleTop = 3030;
            f.ImgAutoreVisible = true;
            break;
        default: return;  // a caption of no page: nothing changes
    }
    f.lblRegole = rules_pages::body(n);
}

void WindowRoutines::lblVoce_MouseMove(int i) {
    Options& o = s_.m.options;
    if (i < 0 || i >= OPTION_COUNT || i == o.lblOpzioneMouse) return;
    o.lblOpzioneEvidenziata.fill(false);
    if (o.isFree(static_cast<Option>(i))) o.lblOpzioneEvidenziata[i] = true;
    o.lblOpzioneMouse = i;
}

void WindowRoutines::lblOpzione_MouseMove() {
    Options& o = s_.m.options;
    o.lblOpzioneEvidenziata.fill(false);
    o.lblOpzioneMouse = Options::NONE;
}

// The value texts are always white here, so only the option under the mouse is forgotten.
void WindowRoutines::fraOpzioni_MouseMove() { s_.m.options.lblOpzioneMouse = Options::NONE; }

void WindowRoutines::lblVoce_Click(int i) {
    Model& m = s_.m;
    if (i < 0 || i >= OPTION_COUNT) return;
    const Option o = static_cast<Option>(i);
    if (!m.options.isFree(o)) return;  // locked
    const std::string third =
        m.records.lblCarteOpzionali == OPTIONAL_DECK_INSTALLED ? m.records.lblNomeCarteOpzionali : "";
    m.options.text(o) = nextValue(o, m.options.text(o), third);
    Look look(m.window, m.cards, m.options, m.data);
    Timers& t = s_.t;
    switch (o) {
        case Option::TableColour: look.ApplicaColoreTavolo(); break;
        case Option::CardStyle:
            for (int s = 1; s <= 7; ++s) look.cmdVisualizzaCarte(s);
            break;
        case Option::BackColour: look.ApplicaColoreRetro(); break;
        case Option::BackDesign:
            for (int s : {1, 2, 3, 8}) look.cmdMotivoRetro(s);
            break;
        case Option::CardAnimation:
        case Option::ResponseSpeed: s_.flow.applyIntervals(); break;
        case Option::AutoTaking: s_.flow.takingOptionChanged(); break;
        case Option::Temper:
            if (m.options.get<Temper>() == Temper::Peaceful) s_.commentary.FermaImpazienza();
            else s_.commentary.ImpostaIntervalloImpazienza();
            break;
        case Option::Talkativeness:
            if (m.options.get<Talkativeness>() == Talkativeness::Taciturn) s_.commentary.FermaImpazienza();
            break;
        case Option::ScoreDisplay: look.VisualizzaPunteggio(); break;
        case Option::MusicFrequency: s_.music.CambioFrequenza(); break;
        case Option::Level: look.AggiornaNomeLivello(); break;
        case Option::SongTitles:
            m.sounds.lblTitolo.Visible = m.options.get<SongTitles>() == SongTitles::Yes &&
                                         (t.TimerFermaBrano.enabled() || t.TimerBandiera.enabled()) &&
                                         !m.sounds.lblTitolo.Caption.empty();
            break;
        case Option::MatchEnd: layoutGamesWon(); break;
        case Option::ShowCards: {
            const bool faceUp = m.options.get<ShowCards>() == ShowCards::Yes;
            for (int k = 2; k <= 18; ++k)
                m.data.lblDati[cells::pcDraw(k)].Visible = m.data.lblDati[cells::humanDraw(k)].Visible = faceUp;
            m.data.intestazioniPescateVisibili = faceUp;
            if (faceUp && m.game.lblPartitaInCorso) m.game.lblSbirciata = true;
            for (int s = 1; s <= 3; ++s) {
                // Only the cards still in the computer's hand: a card in the trick keeps its face.
                if (m.cards.lblCarta[s].empty() || m.window.ShpCarta[s].Top == place::TOP_TRICK - place::FRAME)
                    continue;
                if (faceUp) {
                    look.showFace(s);
                } else {
                    m.window.ImgCarta[s].BorderStyle = 0;
                    m.window.ShpCarta[s].BackColor = m.window.coloreRetro;
                    look.showBack(s);
                }
            }
            break;
        }
        default: break;
    }
}

void WindowRoutines::ApriAnalisi() {
    Model& m = s_.m;
    Window& f = m.window;
    f.comandoAbilitato[menu::Albo] = f.comandoAbilitato[menu::Options] = false;
    const ReviewAudio audio = m.options.get<ReviewAudio>();
    if (audio == ReviewAudio::Silence || audio == ReviewAudio::StopMusic) s_.music.FermaBrano();
    f.lblComandi[menu::Partita] = colour::WHITE;
    f.fraPannello[1].Visible = false;
    f.comandoAbilitato[menu::Partita] = false;
    f.lblComandi[menu::Dati] = colour::GREEN;
    f.fraPannello[0] = {true, 110, 30};
    f.comandoAbilitato[menu::Dati] = false;
    f.lblSpiegaPannelloDati = false;
    for (Button* b : {&f.cmdSave, &f.cmdLoad, &f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco})
        b->Visible = true;
    f.cmdContinuaOIniziaPartita.Enabled = false;
    f.fraFineGioco.Visible = false;
    giveFocus(f, f.cmdScegliManche);
    f.lblIstruzionePannelloDati = true;
    s_.review.PreparaAnalisi();
}

void WindowRoutines::endChoice() {
    const ReviewAudio audio = s_.m.options.get<ReviewAudio>();
    if (audio == ReviewAudio::Silence || audio == ReviewAudio::StopMusic) s_.m.sounds.lblMusicaInterrotta = true;
    s_.music.ChiudiInno();
}

void WindowRoutines::lblApri_Click() {
    endChoice();
    ApriAnalisi();
    openGame();
}

void WindowRoutines::lblRivedi_Click() {
    endChoice();
    ApriAnalisi();
}

void WindowRoutines::lblSalva_Click() {
    endChoice();
    s_.archive.SalvaGioco();
}

}  // namespace zelvo
