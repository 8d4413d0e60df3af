#include "ui/finestra.h"

#include "audio/clip.h"
#include "ui/principale.h"
#include "ui/regole.h"

namespace zelvo {

std::string fileFaccia(const std::string& codice, const std::string& stile) {
    if (stile == "Piacentine") return "C:\\Programmi\\Zelvo\\Piacenti\\" + codice + "2.jpg";
    if (stile == "Napoletane") return "C:\\Programmi\\Zelvo\\Napoleta\\" + codice + "1.jpg";
    return "C:\\Programmi\\Zelvo\\Opzional\\" + codice + "3.jpg";
}

std::string fileRetro(const std::string& motivo) {
    static const char* const TABELLA[][2] = {
        {"Decoro", "Decoro.gif"},       {"Rombi", "Rombi.gif"},         {"Spirali", "Spirali.gif"},
        {"Intrecci", "Intrecci.gif"},   {"Scacchiera", "Scacchie.gif"}, {"Ornamenti", "Ornament.gif"},
        {"Arabeschi", "Arabesch.gif"},  {"Greche", "Greche.gif"},       {"Asterischi", "Asterisc.gif"},
        {"Diagonali", "Diagonal.gif"},  {"Arzigogoli", "Arzigogo.gif"}, {"Stelle", "Stelle.gif"}};
    for (const auto& r : TABELLA)
        if (motivo == r[0]) return std::string("C:\\Programmi\\Zelvo\\Grafica\\") + r[1];
    return {};
}

void WindowRoutines::cmdVisualizzaCarte(int n) {
    Model& m = w_.m;
    if (m.cards.lblCarta[n].empty() || m.window.ShpCarta[n].BackColor != colour::WHITE) return;
    const std::string& stile = m.options[opz::StileCarte];
    Picture& img = m.window.ImgCarta[n];
    img.Picture = fileFaccia(m.cards.lblCarta[n], stile);
    if (stile == "Piacentine") img.BorderStyle = 1;
    else if (stile == "Napoletane") img.BorderStyle = 0;
    else img.BorderStyle = m.window.lblBordoCarteOpzionali != 0 ? 1 : 0;
}

void WindowRoutines::cmdMotivoRetro(int n) {
    Model& m = w_.m;
    Frame& shp = m.window.ShpCarta[n];
    if (shp.Top == place::TOP_TRICK - place::FRAME) return;  // a card in the trick is never covered
    if (n != 8 && !m.options.is(opz::MostraCarte, "No")) return;
    shp.BackColor = m.window.coloreRetro;
    const std::string& motivo = m.options[opz::MotivoRetro];
    std::string file = fileRetro(motivo);
    if (motivo == "Nessuno") m.window.ImgCarta[n].Picture.clear();
    else if (!file.empty()) m.window.ImgCarta[n].Picture = file;
}

void WindowRoutines::mostraFaccia(int slot) {
    w_.m.window.ShpCarta[slot].BackColor = colour::WHITE;
    cmdVisualizzaCarte(slot);
}

void WindowRoutines::mostraRetro(int slot) {
    cmdMotivoRetro(slot);
}

void WindowRoutines::VisualizzaPunteggio() {
    Model& m = w_.m;
    const std::string& v = m.options[opz::Punteggio];
    bool pc, h;
    if (v == "Tutti e due i Giocatori") pc = h = true;
    else if (v == "Solo Zelvo") pc = true, h = false;
    else if (v == "Solo il Giocatore umano") pc = false, h = true;
    else if (v == "Nessuno dei due Giocatori") pc = h = false;
    else return;
    Window& f = m.window;
    f.lblPuntiPCVista.Visible = f.lblPuntiPCScritta.Visible = pc;
    f.lblPuntiHVista.Visible = f.lblPuntiHScritta.Visible = h;
    for (int k = 1; k <= 20; ++k) {
        m.data.lblDati[cells::pcPoints(k)].Visible = pc;
        m.data.lblDati[cells::humanPoints(k)].Visible = h;
    }
}

void WindowRoutines::ApplicaColoreTavolo() { w_.m.window.coloreTavolo = coloreTavolo(w_.m.options[opz::ColoreTavolo]); }

void WindowRoutines::ApplicaColoreRetro() {
    Model& m = w_.m;
    Colour c = coloreRetro(m.options[opz::ColoreRetro]);
    m.window.coloreRetro = c;
    m.window.ShpCarta[8].BackColor = c;
    if (m.options.is(opz::MostraCarte, "No"))
        for (int s = 1; s <= 3; ++s)
            if (m.window.ShpCarta[s].Top != place::TOP_TRICK - place::FRAME) m.window.ShpCarta[s].BackColor = c;
}

void WindowRoutines::ColoreTavoloCasuale() {
    Options& o = w_.m.options;
    int r = w_.pick.NumeroCasuale(24);
    std::string& caption = o.lblVoce[opz::GraficaCasuale];
    // The caption of option 0 keeps the alternation: without its colon the next call sets the back colour.
    if (!caption.empty() && caption.back() == ':') {
        o.lblOpzione[opz::ColoreTavolo] = nomeColore(r);
        caption.pop_back();
    } else {
        o.lblOpzione[opz::ColoreRetro] = nomeColore(r);
        caption.push_back(':');
    }
}

void WindowRoutines::MotivoRetroCasuale() {
    static const char* const MOTIVI[13] = {"Nessuno",    "Decoro",    "Rombi",  "Spirali",   "Intrecci",
                                           "Scacchiera", "Ornamenti", "Arabeschi", "Greche", "Diagonali",
                                           "Asterischi", "Arzigogoli", "Stelle"};
    w_.m.options.lblOpzione[opz::MotivoRetro] = MOTIVI[w_.pick.NumeroCasuale(13) - 1];
}

void WindowRoutines::graficaCasuale() {
    ColoreTavoloCasuale();
    ApplicaColoreTavolo();
    ColoreTavoloCasuale();
    ApplicaColoreRetro();
    MotivoRetroCasuale();
}

void WindowRoutines::lblComandi_Click(int i) {
    Model& m = w_.m;
    Window& f = m.window;
    if (i < 1 || i > 5 || !f.comandoAbilitato[i]) return;
    if (i == menu::Partita || i == menu::Dati) {
        // The match panel and the data panel share the left of the table: one at a time.
        const int questo = i == menu::Partita ? 1 : 0, altro = 1 - questo;
        const int voceAltra = i == menu::Partita ? menu::Dati : menu::Partita;
        if (f.lblComandi[i] == colour::WHITE) {
            m.records.lblPannelloVisualizzato = i == menu::Partita ? "Partita" : "Dati";
            f.fraPannello[questo] = {true, 110, 30};
            f.fraPannello[altro].Visible = false;
            f.lblComandi[voceAltra] = colour::WHITE;
            f.lblComandi[i] = colour::GREEN;
        } else {
            m.records.lblPannelloVisualizzato = "Nessuno";
            f.lblComandi[i] = colour::WHITE;
            f.fraPannello[questo].Visible = false;
        }
    } else if (i == menu::Albo || i == menu::Options) {
        // The hall of fame and the options panel share the right of the table: one at a time.
        const int questo = i == menu::Albo ? 3 : 2, altro = 5 - questo;
        const int voceAltra = i == menu::Albo ? menu::Options : menu::Albo;
        if (!f.fraPannello[questo].Visible) {
            w_.t.TimerImpazienza.disable();
            f.lblComandi[i] = colour::GREEN;
            f.fraPannello[questo] = {true, 2925, 30};
            f.fraPannello[altro].Visible = false;
            f.lblComandi[voceAltra] = colour::WHITE;
            if (i == menu::Albo) m.options.lblOpzioneEvidenziata.fill(false);
            if (i == menu::Albo && m.game.lblTotalePartite > 0) m.records.lblDieciMigliori = false;
        } else {
            f.lblComandi[i] = colour::WHITE;
            f.fraPannello[questo].Visible = false;
            if (i == menu::Options) {
                m.options.lblOpzioneEvidenziata.fill(false);
                m.options.lblOpzioneMouse = Options::NESSUNA;
            }
            if (i == menu::Albo && f.fraFineGioco.Visible && !f.lblIstruzioneIniziale.Visible)
                giveFocus(f, f.cmdContinuaOIniziaPartita);
            riprendiImpazienza();
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
    Window& f = w_.m.window;
    f.lblComandi[menu::Esci] = colour::WHITE;
    f.fraEsci.Visible = false;
    w_.commentary.RestaInGioco();
}

void WindowRoutines::lblSi_Click() {
    Model& m = w_.m;
    Window& f = m.window;
    Timers& t = w_.t;
    if (f.uscitaInCorso) return;
    f.uscitaInCorso = true;
    const int r = w_.pick.NumeroCasuale(6);
    f.lblComandi[menu::Esci] = colour::WHITE;
    m.sounds.lblInterdiciSuoni = true;  // no further game sounds
    t.TimerDistribuisciCarte.disable();
    t.TimerBandiera.disable();
    f.ImgBandiera[2].Visible = false;
    w_.records.SalvaImpostazioni();
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
    for (Lettore l : {Lettore::mmcRumori, Lettore::mmcBandiera, Lettore::mmcBrano}) clip::comando(w_, l, "Close");
    w_.commentary.PreparaUscita(r);
    clip::apriESuona(w_, Lettore::mmcUscita);
    t.TimerEsci.enable();
}

void WindowRoutines::TimerEsci_Timer() {
    w_.t.TimerEsci.disable();
    if (uscita) uscita();
}

void WindowRoutines::riprendiImpazienza() {
    const Model& m = w_.m;
    if (m.game.lblAChiTocca == Who::H && !m.options.is(opz::Carattere, "Pacifico") &&
        !m.options.is(opz::Loquacita, "Taciturno") && !m.window.fraFineGioco.Visible &&
        !w_.t.TimerBandiera.enabled())
        w_.commentary.AvviaImpazienza();
}

void WindowRoutines::layoutGiochiVinti() {
    RecordsState& r = w_.m.records;
    for (int k = 1; k <= 5; ++k) w_.m.window.shpPuntiPC[k] = w_.m.window.shpPuntiH[k] = false;
    const std::string& v = w_.m.options[opz::ConclusionePartita];
    auto colonne = [&](float c2, float c3, float c4) {
        r.shpPuntiPCLeft[2] = r.shpPuntiHLeft[2] = c2;
        r.shpPuntiPCLeft[3] = r.shpPuntiHLeft[3] = c3;
        r.shpPuntiPCLeft[4] = r.shpPuntiHLeft[4] = c4;
    };
    if (v == "Al meglio di 3 Giochi") {
        r.ShpLineaVVisible = {false, false, false, true, false};
        colonne(1215, 1935, r.shpPuntiPCLeft[4]);
    } else if (v == "Al meglio di 4 Giochi") {
        r.ShpLineaVVisible = {false, false, true, false, true};
        r.ShpLineaVLeft[2] = 1095;
        r.ShpLineaVLeft[4] = 1575;
        colonne(975, 1455, 1935);
    } else if (v == "Al meglio di 5 Giochi") {
        r.ShpLineaVVisible = {false, false, true, true, true};
        r.ShpLineaVLeft[2] = 975;
        r.ShpLineaVLeft[4] = 1695;
        colonne(855, 1215, 1575);
    }
}

void WindowRoutines::LstAlbo_Click() {
    if (w_.m.window.fraPannello[3].Visible) giveFocus(w_.m.window, w_.m.window.cmdSetFocusAlbo);
}

void WindowRoutines::cmdSetFocusAlbo_Click() {
    Window& f = w_.m.window;
    if (!f.fraFineGioco.Visible || f.lblIstruzioneIniziale.Visible) return;
    f.fraPannello[3].Visible = false;
    f.lblComandi[menu::Albo] = colour::WHITE;
    giveFocus(f, f.cmdContinuaOIniziaPartita);
}

void WindowRoutines::lblContinuaregole_Click() {
    std::string& caption = w_.m.records.lblContinuaregole;
    caption = regole::captionSeguente(caption);
    MostraPaginaRegole();
}

void WindowRoutines::MostraPaginaRegole() {
    Window& f = w_.m.window;
    const int n = regole::pagina(w_.m.records.lblContinuaregole);
    switch (n) {
        case 1:
            f.ImgAutoreVisible = false;
            f.lblRegoleHeight = 7710;
            f.lblRegoleTop = 810;
            f.lblRegoleDelGioco = regole::TITOLO_REGOLE;
            break;
        case 2: break;  // the title of page 1 stays
        case 3:
        case 4: f.lblRegoleDelGioco = regole::TITOLO_PRESENTAZIONE; break;
        case 5:
            f.lblRegoleDelGioco = regole::TITOLO_AUTORE;
            f.lblRegoleHeight = 5490;
            f.lblRegoleTop = 3030;
            f.ImgAutoreVisible = true;
            break;
        default: return;  // a caption of no page: nothing changes
    }
    f.lblRegole = regole::corpo(n);
}

void WindowRoutines::lblVoce_MouseMove(int i) {
    Options& o = w_.m.options;
    if (i < 0 || i >= opz::NUMERO || i == o.lblOpzioneMouse) return;
    o.lblOpzioneEvidenziata.fill(false);
    if (o.lblVoceColore[i] == colour::LIGHT_GREEN) o.lblOpzioneEvidenziata[i] = true;
    o.lblOpzioneMouse = i;
}

void WindowRoutines::lblOpzione_MouseMove() {
    Options& o = w_.m.options;
    o.lblOpzioneEvidenziata.fill(false);
    o.lblOpzioneMouse = Options::NESSUNA;
}

// The value texts are always white here, so only the option under the mouse is forgotten.
void WindowRoutines::fraOpzioni_MouseMove() { w_.m.options.lblOpzioneMouse = Options::NESSUNA; }

void WindowRoutines::lblVoce_Click(int i) {
    Model& m = w_.m;
    if (i < 0 || i >= opz::NUMERO || m.options.lblVoceColore[i] != colour::LIGHT_GREEN) return;  // locked
    const std::string terzo =
        m.records.lblCarteOpzionali == "Carte Opzionali inserite" ? m.records.lblNomeCarteOpzionali : "";
    std::string& valore = m.options.lblOpzione[i];
    valore = valoreSeguente(i, valore, terzo);
    Timers& t = w_.t;
    switch (i) {
        case opz::ColoreTavolo: ApplicaColoreTavolo(); break;
        case opz::StileCarte:
            for (int s = 1; s <= 7; ++s) cmdVisualizzaCarte(s);
            break;
        case opz::ColoreRetro: ApplicaColoreRetro(); break;
        case opz::MotivoRetro:
            for (int s : {1, 2, 3, 8}) cmdMotivoRetro(s);
            break;
        case opz::Animazione:
        case opz::PresaAutomatica:
        case opz::VelocitaRisposta: w_.flow.applicaIntervalli(); break;
        case opz::Carattere:
            if (valore == "Pacifico") w_.commentary.FermaImpazienza();
            else w_.commentary.ImpostaIntervalloImpazienza();
            break;
        case opz::Loquacita:
            if (valore == "Taciturno") w_.commentary.FermaImpazienza();
            break;
        case opz::Punteggio: VisualizzaPunteggio(); break;
        case opz::FrequenzaMusica: w_.music.CambioFrequenza(); break;
        case opz::Abilita: w_.records.AggiornaNomeLivello(); break;
        case opz::Titoli:
            m.sounds.lblTitolo.Visible =
                valore == "Si" && (t.TimerFermaBrano.enabled() || t.TimerBandiera.enabled()) && !m.sounds.lblTitolo.Caption.empty();
            break;
        case opz::ConclusionePartita: layoutGiochiVinti(); break;
        case opz::MostraCarte: {
            const bool scoperte = valore == "Si";
            for (int k = 2; k <= 18; ++k)
                m.data.lblDati[cells::pcDraw(k)].Visible = m.data.lblDati[cells::humanDraw(k)].Visible = scoperte;
            m.data.intestazioniPescateVisibili = scoperte;
            if (scoperte && m.game.lblPartitaInCorso) m.game.lblSbirciata = true;
            for (int s = 1; s <= 3; ++s) {
                // Only the cards still in the computer's hand: a card in the trick keeps its face.
                if (m.cards.lblCarta[s].empty() || m.window.ShpCarta[s].Top == place::TOP_TRICK - place::FRAME)
                    continue;
                if (scoperte) {
                    mostraFaccia(s);
                } else {
                    m.window.ImgCarta[s].BorderStyle = 0;
                    m.window.ShpCarta[s].BackColor = m.window.coloreRetro;
                    mostraRetro(s);
                }
            }
            break;
        }
        default: break;
    }
}

void WindowRoutines::ApriAnalisi() {
    Model& m = w_.m;
    Window& f = m.window;
    f.comandoAbilitato[menu::Albo] = f.comandoAbilitato[menu::Options] = false;
    const std::string& audio = m.options[opz::AudioAnalisi];
    if (audio == "Silenzio assoluto" || audio == "Interrompi la Musica") w_.music.FermaBrano();
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
    w_.records.PreparaAnalisi();
}

void WindowRoutines::sceltaFineGioco() {
    Model& m = w_.m;
    const std::string& audio = m.options[opz::AudioAnalisi];
    if (audio == "Silenzio assoluto" || audio == "Interrompi la Musica") m.sounds.lblMusicaInterrotta = true;
    w_.music.ChiudiInno();
}

void WindowRoutines::lblApri_Click() {
    sceltaFineGioco();
    ApriAnalisi();
    giveFocus(w_.m.window, w_.m.window.cmdLoad);
    w_.records.cmdLoad();
}

void WindowRoutines::lblRivedi_Click() {
    sceltaFineGioco();
    ApriAnalisi();
}

void WindowRoutines::lblSalva_Click() {
    sceltaFineGioco();
    w_.records.SalvaGioco();
}

void WindowRoutines::evidenzia(bool pc, bool h) {
    w_.m.window.lblPC.opaca = pc;
    w_.m.window.lblH.opaca = h;
}

}  // namespace zelvo
