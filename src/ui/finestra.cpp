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

void FinestraRoutine::cmdVisualizzaCarte(int n) {
    Model& m = w_.m;
    if (m.carte.lblCarta[n].empty() || m.finestra.ShpCarta[n].BackColor != colour::WHITE) return;
    const std::string& stile = m.opzioni[opz::StileCarte];
    Immagine& img = m.finestra.ImgCarta[n];
    img.Picture = fileFaccia(m.carte.lblCarta[n], stile);
    if (stile == "Piacentine") img.BorderStyle = 1;
    else if (stile == "Napoletane") img.BorderStyle = 0;
    else img.BorderStyle = m.finestra.lblBordoCarteOpzionali != 0 ? 1 : 0;
}

void FinestraRoutine::cmdMotivoRetro(int n) {
    Model& m = w_.m;
    Cornice& shp = m.finestra.ShpCarta[n];
    if (shp.Top == posto::TOP_TAVOLO - posto::CORNICE) return;  // a card in the trick is never covered
    if (n != 8 && !m.opzioni.is(opz::MostraCarte, "No")) return;
    shp.BackColor = m.finestra.coloreRetro;
    const std::string& motivo = m.opzioni[opz::MotivoRetro];
    std::string file = fileRetro(motivo);
    if (motivo == "Nessuno") m.finestra.ImgCarta[n].Picture.clear();
    else if (!file.empty()) m.finestra.ImgCarta[n].Picture = file;
}

void FinestraRoutine::mostraFaccia(int slot) {
    w_.m.finestra.ShpCarta[slot].BackColor = colour::WHITE;
    cmdVisualizzaCarte(slot);
}

void FinestraRoutine::mostraRetro(int slot) {
    cmdMotivoRetro(slot);
}

void FinestraRoutine::VisualizzaPunteggio() {
    Model& m = w_.m;
    const std::string& v = m.opzioni[opz::Punteggio];
    bool pc, h;
    if (v == "Tutti e due i Giocatori") pc = h = true;
    else if (v == "Solo Zelvo") pc = true, h = false;
    else if (v == "Solo il Giocatore umano") pc = false, h = true;
    else if (v == "Nessuno dei due Giocatori") pc = h = false;
    else return;
    Finestra& f = m.finestra;
    f.lblPuntiPCVista.Visible = f.lblPuntiPCScritta.Visible = pc;
    f.lblPuntiHVista.Visible = f.lblPuntiHScritta.Visible = h;
    for (int k = 1; k <= 20; ++k) {
        m.dati.lblDati[dati::puntiPC(k)].Visible = pc;
        m.dati.lblDati[dati::puntiH(k)].Visible = h;
    }
}

void FinestraRoutine::ApplicaColoreTavolo() { w_.m.finestra.coloreTavolo = coloreTavolo(w_.m.opzioni[opz::ColoreTavolo]); }

void FinestraRoutine::ApplicaColoreRetro() {
    Model& m = w_.m;
    Colour c = coloreRetro(m.opzioni[opz::ColoreRetro]);
    m.finestra.coloreRetro = c;
    m.finestra.ShpCarta[8].BackColor = c;
    if (m.opzioni.is(opz::MostraCarte, "No"))
        for (int s = 1; s <= 3; ++s)
            if (m.finestra.ShpCarta[s].Top != posto::TOP_TAVOLO - posto::CORNICE) m.finestra.ShpCarta[s].BackColor = c;
}

void FinestraRoutine::ColoreTavoloCasuale() {
    Opzioni& o = w_.m.opzioni;
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

void FinestraRoutine::MotivoRetroCasuale() {
    static const char* const MOTIVI[13] = {"Nessuno",    "Decoro",    "Rombi",  "Spirali",   "Intrecci",
                                           "Scacchiera", "Ornamenti", "Arabeschi", "Greche", "Diagonali",
                                           "Asterischi", "Arzigogoli", "Stelle"};
    w_.m.opzioni.lblOpzione[opz::MotivoRetro] = MOTIVI[w_.pick.NumeroCasuale(13) - 1];
}

void FinestraRoutine::graficaCasuale() {
    ColoreTavoloCasuale();
    ApplicaColoreTavolo();
    ColoreTavoloCasuale();
    ApplicaColoreRetro();
    MotivoRetroCasuale();
}

void FinestraRoutine::lblComandi_Click(int i) {
    Model& m = w_.m;
    Finestra& f = m.finestra;
    if (i < 1 || i > 5 || !f.comandoAbilitato[i]) return;
    if (i == menu::Partita || i == menu::Dati) {
        // The match panel and the data panel share the left of the table: one at a time.
        const int questo = i == menu::Partita ? 1 : 0, altro = 1 - questo;
        const int voceAltra = i == menu::Partita ? menu::Dati : menu::Partita;
        if (f.lblComandi[i] == colour::WHITE) {
            m.registri.lblPannelloVisualizzato = i == menu::Partita ? "Partita" : "Dati";
            f.fraPannello[questo] = {true, 110, 30};
            f.fraPannello[altro].Visible = false;
            f.lblComandi[voceAltra] = colour::WHITE;
            f.lblComandi[i] = colour::GREEN;
        } else {
            m.registri.lblPannelloVisualizzato = "Nessuno";
            f.lblComandi[i] = colour::WHITE;
            f.fraPannello[questo].Visible = false;
        }
    } else if (i == menu::Albo || i == menu::Opzioni) {
        // The hall of fame and the options panel share the right of the table: one at a time.
        const int questo = i == menu::Albo ? 3 : 2, altro = 5 - questo;
        const int voceAltra = i == menu::Albo ? menu::Opzioni : menu::Albo;
        if (!f.fraPannello[questo].Visible) {
            w_.t.TimerImpazienza.disable();
            f.lblComandi[i] = colour::GREEN;
            f.fraPannello[questo] = {true, 2925, 30};
            f.fraPannello[altro].Visible = false;
            f.lblComandi[voceAltra] = colour::WHITE;
            if (i == menu::Albo) m.opzioni.lblOpzioneEvidenziata.fill(false);
            if (i == menu::Albo && m.gioco.lblTotalePartite > 0) m.registri.lblDieciMigliori = false;
        } else {
            f.lblComandi[i] = colour::WHITE;
            f.fraPannello[questo].Visible = false;
            if (i == menu::Opzioni) {
                m.opzioni.lblOpzioneEvidenziata.fill(false);
                m.opzioni.lblOpzioneMouse = Opzioni::NESSUNA;
            }
            if (i == menu::Albo && f.fraFineGioco.Visible && !f.lblIstruzioneIniziale.Visible)
                daiFuoco(f, f.cmdContinuaOIniziaPartita);
            riprendiImpazienza();
        }
    } else if (i == menu::Esci) {
        if (f.uscitaInCorso) return;
        if (f.lblComandi[menu::Esci] == colour::WHITE) {
            f.lblComandi[menu::Esci] = colour::GREEN;
            f.lblComandi[menu::Albo] = f.lblComandi[menu::Opzioni] = colour::WHITE;
            f.fraPannello[3].Visible = f.fraPannello[2].Visible = false;
            f.fraEsci = {true, 3420, 3030};
        } else {
            f.lblComandi[menu::Esci] = colour::WHITE;
            f.fraEsci.Visible = false;
        }
    }
}

void FinestraRoutine::lblNo_Click() {
    Finestra& f = w_.m.finestra;
    f.lblComandi[menu::Esci] = colour::WHITE;
    f.fraEsci.Visible = false;
    w_.commento.RestaInGioco();
}

void FinestraRoutine::lblSi_Click() {
    Model& m = w_.m;
    Finestra& f = m.finestra;
    Timers& t = w_.t;
    if (f.uscitaInCorso) return;
    f.uscitaInCorso = true;
    const int r = w_.pick.NumeroCasuale(6);
    f.lblComandi[menu::Esci] = colour::WHITE;
    m.suoni.lblInterdiciSuoni = true;  // no further game sounds
    t.TimerDistribuisciCarte.disable();
    t.TimerBandiera.disable();
    f.ImgBandiera[2].Visible = false;
    w_.registri.SalvaImpostazioni();
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
    w_.commento.PreparaUscita(r);
    clip::apriESuona(w_, Lettore::mmcUscita);
    t.TimerEsci.enable();
}

void FinestraRoutine::TimerEsci_Timer() {
    w_.t.TimerEsci.disable();
    if (uscita) uscita();
}

void FinestraRoutine::riprendiImpazienza() {
    const Model& m = w_.m;
    if (m.gioco.lblAChiTocca == Chi::H && !m.opzioni.is(opz::Carattere, "Pacifico") &&
        !m.opzioni.is(opz::Loquacita, "Taciturno") && !m.finestra.fraFineGioco.Visible &&
        !w_.t.TimerBandiera.enabled())
        w_.commento.AvviaImpazienza();
}

void FinestraRoutine::layoutGiochiVinti() {
    StatoRegistri& r = w_.m.registri;
    for (int k = 1; k <= 5; ++k) w_.m.finestra.shpPuntiPC[k] = w_.m.finestra.shpPuntiH[k] = false;
    const std::string& v = w_.m.opzioni[opz::ConclusionePartita];
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

void FinestraRoutine::LstAlbo_Click() {
    if (w_.m.finestra.fraPannello[3].Visible) daiFuoco(w_.m.finestra, w_.m.finestra.cmdSetFocusAlbo);
}

void FinestraRoutine::cmdSetFocusAlbo_Click() {
    Finestra& f = w_.m.finestra;
    if (!f.fraFineGioco.Visible || f.lblIstruzioneIniziale.Visible) return;
    f.fraPannello[3].Visible = false;
    f.lblComandi[menu::Albo] = colour::WHITE;
    daiFuoco(f, f.cmdContinuaOIniziaPartita);
}

void FinestraRoutine::lblContinuaregole_Click() {
    std::string& caption = w_.m.registri.lblContinuaregole;
    caption = regole::captionSeguente(caption);
    MostraPaginaRegole();
}

void FinestraRoutine::MostraPaginaRegole() {
    Finestra& f = w_.m.finestra;
    const int n = regole::pagina(w_.m.registri.lblContinuaregole);
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

void FinestraRoutine::lblVoce_MouseMove(int i) {
    Opzioni& o = w_.m.opzioni;
    if (i < 0 || i >= opz::NUMERO || i == o.lblOpzioneMouse) return;
    o.lblOpzioneEvidenziata.fill(false);
    if (o.lblVoceColore[i] == colour::LIGHT_GREEN) o.lblOpzioneEvidenziata[i] = true;
    o.lblOpzioneMouse = i;
}

void FinestraRoutine::lblOpzione_MouseMove() {
    Opzioni& o = w_.m.opzioni;
    o.lblOpzioneEvidenziata.fill(false);
    o.lblOpzioneMouse = Opzioni::NESSUNA;
}

// The value texts are always white here, so only the option under the mouse is forgotten.
void FinestraRoutine::fraOpzioni_MouseMove() { w_.m.opzioni.lblOpzioneMouse = Opzioni::NESSUNA; }

void FinestraRoutine::lblVoce_Click(int i) {
    Model& m = w_.m;
    if (i < 0 || i >= opz::NUMERO || m.opzioni.lblVoceColore[i] != colour::LIGHT_GREEN) return;  // locked
    const std::string terzo =
        m.registri.lblCarteOpzionali == "Carte Opzionali inserite" ? m.registri.lblNomeCarteOpzionali : "";
    std::string& valore = m.opzioni.lblOpzione[i];
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
        case opz::VelocitaRisposta: w_.gioco.applicaIntervalli(); break;
        case opz::Carattere:
            if (valore == "Pacifico") w_.commento.FermaImpazienza();
            else w_.commento.ImpostaIntervalloImpazienza();
            break;
        case opz::Loquacita:
            if (valore == "Taciturno") w_.commento.FermaImpazienza();
            break;
        case opz::Punteggio: VisualizzaPunteggio(); break;
        case opz::FrequenzaMusica: w_.musica.CambioFrequenza(); break;
        case opz::Abilita: w_.registri.AggiornaNomeLivello(); break;
        case opz::Titoli:
            m.suoni.lblTitolo.Visible =
                valore == "Si" && (t.TimerFermaBrano.enabled() || t.TimerBandiera.enabled()) && !m.suoni.lblTitolo.Caption.empty();
            break;
        case opz::ConclusionePartita: layoutGiochiVinti(); break;
        case opz::MostraCarte: {
            const bool scoperte = valore == "Si";
            for (int k = 2; k <= 18; ++k)
                m.dati.lblDati[dati::pescataPC(k)].Visible = m.dati.lblDati[dati::pescataH(k)].Visible = scoperte;
            m.dati.intestazioniPescateVisibili = scoperte;
            if (scoperte && m.gioco.lblPartitaInCorso) m.gioco.lblSbirciata = true;
            for (int s = 1; s <= 3; ++s) {
                // Only the cards still in the computer's hand: a card in the trick keeps its face.
                if (m.carte.lblCarta[s].empty() || m.finestra.ShpCarta[s].Top == posto::TOP_TAVOLO - posto::CORNICE)
                    continue;
                if (scoperte) {
                    mostraFaccia(s);
                } else {
                    m.finestra.ImgCarta[s].BorderStyle = 0;
                    m.finestra.ShpCarta[s].BackColor = m.finestra.coloreRetro;
                    mostraRetro(s);
                }
            }
            break;
        }
        default: break;
    }
}

void FinestraRoutine::ApriAnalisi() {
    Model& m = w_.m;
    Finestra& f = m.finestra;
    f.comandoAbilitato[menu::Albo] = f.comandoAbilitato[menu::Opzioni] = false;
    const std::string& audio = m.opzioni[opz::AudioAnalisi];
    if (audio == "Silenzio assoluto" || audio == "Interrompi la Musica") w_.musica.FermaBrano();
    f.lblComandi[menu::Partita] = colour::WHITE;
    f.fraPannello[1].Visible = false;
    f.comandoAbilitato[menu::Partita] = false;
    f.lblComandi[menu::Dati] = colour::GREEN;
    f.fraPannello[0] = {true, 110, 30};
    f.comandoAbilitato[menu::Dati] = false;
    f.lblSpiegaPannelloDati = false;
    for (Pulsante* b : {&f.cmdSave, &f.cmdLoad, &f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco})
        b->Visible = true;
    f.cmdContinuaOIniziaPartita.Enabled = false;
    f.fraFineGioco.Visible = false;
    daiFuoco(f, f.cmdScegliManche);
    f.lblIstruzionePannelloDati = true;
    w_.registri.PreparaAnalisi();
}

void FinestraRoutine::sceltaFineGioco() {
    Model& m = w_.m;
    const std::string& audio = m.opzioni[opz::AudioAnalisi];
    if (audio == "Silenzio assoluto" || audio == "Interrompi la Musica") m.suoni.lblMusicaInterrotta = true;
    w_.musica.ChiudiInno();
}

void FinestraRoutine::lblApri_Click() {
    sceltaFineGioco();
    ApriAnalisi();
    daiFuoco(w_.m.finestra, w_.m.finestra.cmdLoad);
    w_.registri.cmdLoad();
}

void FinestraRoutine::lblRivedi_Click() {
    sceltaFineGioco();
    ApriAnalisi();
}

void FinestraRoutine::lblSalva_Click() {
    sceltaFineGioco();
    w_.registri.SalvaGioco();
}

void FinestraRoutine::evidenzia(bool pc, bool h) {
    w_.m.finestra.lblPC.opaca = pc;
    w_.m.finestra.lblH.opaca = h;
}

}  // namespace zelvo
