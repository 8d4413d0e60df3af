#include "strategy/posizione.h"

#include <set>

#include "ui/principale.h"

namespace zelvo {

namespace {

int cartePerMano(int mazzo) {
    if (mazzo >= -1) return 3;
    if (mazzo >= -3) return 2;
    return 1;
}

}  // namespace

std::string controllaPosizione(const Posizione& p) {
    if (cards::suitIndex(p.briscola) < 0) return "trump must be one of d, s, c, b";
    const bool mezzo = p.mazzo >= 2 && p.mazzo <= 34;
    if (!mezzo && (p.mazzo < -5 || p.mazzo > 0)) return "deck must be 2..34 or 0, -1, -2, -3, -4, -5";
    if (p.guida != Chi::PC && p.guida != Chi::H) return "leader must be PC or H";
    if (!mezzo) {
        const bool guidaPC = p.mazzo % 2 == 0;  // 0, -2, -4: the computer leads; -1, -3, -5: it answers
        if (guidaPC != (p.guida == Chi::PC)) return "deck " + std::to_string(p.mazzo) + " needs leader " + (guidaPC ? "PC" : "H");
    }
    std::set<int> viste;
    int nPC = 0, nH = 0;
    for (int k = 0; k < 3; ++k)
        for (int lato = 0; lato < 2; ++lato) {
            const std::string& c = lato ? p.h[k] : p.pc[k];
            if (c.empty()) continue;
            int cella = cards::cellOf(c);
            if (!cella) return "'" + c + "' is not a card";
            if (!viste.insert(cella).second) return "'" + c + "' appears twice";
            (lato ? nH : nPC)++;
        }
    const int n = cartePerMano(p.mazzo);
    if (nPC != n || nH != n)
        return "with deck " + std::to_string(p.mazzo) + " each hand holds " + std::to_string(n) + " card(s)";
    if (p.guida == Chi::H) {
        if (p.slotH < 4 || p.slotH > 6) return "hslot must be 4, 5 or 6 when the human leads";
        if (p.h[p.slotH - 4].empty()) return "hslot names an empty slot";
    }
    std::set<int> giocate;
    for (const std::string& c : p.giocate) {
        int cella = cards::cellOf(c);
        if (!cella) return "played: '" + c + "' is not a card";
        if (!giocate.insert(cella).second) return "played: '" + c + "' appears twice";
        for (int k = 0; k < 3; ++k) {
            if (p.pc[k] == c) return "played: '" + c + "' is in the computer's hand";
            if (p.h[k] == c && !(p.guida == Chi::H && p.slotH == k + 4))
                return "played: '" + c + "' is in the human's hand";
        }
    }
    if (giocate.size() + viste.size() > 40) return "more cards than the deck holds";
    if (p.puntiPC < 0 || p.puntiH < 0 || p.puntiPC + p.puntiH > 120) return "points must be 0..120 in all";
    return {};
}

void caricaPosizione(Principale& w, const Posizione& p) {
    Model& m = w.m;
    Carte& c = m.carte;
    for (int k = 0; k < 6; ++k) {
        const std::string& code = k < 3 ? p.pc[k] : p.h[k - 3];
        const int slot = k + 1;
        if (code.empty()) {
            c.svuota(slot);
            m.finestra.ImgCarta[slot].Visible = false;
            continue;
        }
        const int cella = cards::cellOf(code);
        c.lblCarta[slot] = code;
        c.lblValore[slot] = cards::valueOf(cella);
        c.lblSeme[slot] = cards::suitOf(cella);
        m.finestra.ImgCarta[slot].Visible = true;
    }
    c.lblSeme[7] = p.briscola;
    // The trump suit marked as after the deal, the played cards as they fell.
    const int primo = cards::suitBlockStart(p.briscola);
    for (int cella = 1; cella <= 40; ++cella) {
        c.lblPreseVirtuali[cella].BackColor = cella >= primo && cella < primo + 10 ? colour::YELLOW : colour::WHITE;
        c.lblPreseVirtuali[cella].ForeColor = colour::BLACK;
        c.lblCarteGiocate[cella].BackColor =
            cella >= primo && cella < primo + 10 ? colour::TRUMP_YELLOW : colour::WHITE;
    }
    for (const std::string& code : p.giocate) {
        const int cella = cards::cellOf(code);
        if (!cella) continue;
        c.lblPreseVirtuali[cella].ForeColor = colour::GREEN;
        const bool diH = p.guida == Chi::H && p.slotH >= 4 && p.h[p.slotH - 4] == code;
        c.lblCarteGiocate[cella].BackColor = diH ? colour::PINK : colour::RED;
    }
    StatoGioco& g = m.gioco;
    g.lblTurnoDiGioco = p.guida;
    g.lblAChiTocca = Chi::PC;
    g.lblNumeroCarteRimaste = p.mazzo;
    g.lblNumeroCartaGiocataDaH = p.guida == Chi::H ? p.slotH : 0;
    g.lblNumeroCartaGiocataDaPC = 0;
    g.lblPuntiPC = p.puntiPC;
    g.lblPuntiH = p.puntiH;
    g.lblCartaPCDaGiocare = 0;
    m.strategia.lblFiltro60Punti = p.filtro60;
    m.opzioni.lblOpzione[opz::Abilita] = "Massima (Livello A)";
}

int decidi(Principale& w) {
    StatoGioco& g = w.m.gioco;
    Strategia& s = w.strategia;
    const int d = g.lblNumeroCarteRimaste;
    const bool guidaPC = g.lblTurnoDiGioco == Chi::PC;
    if (d >= 1) {
        s.CalcolaPuntiCarte();
        if (guidaPC) s.CalcolaTotaliIniziaPC();
        else s.CalcolaTotaliRispondePC();
        // The choice runs on the tick of TimerValoreAggiuntivo and ends by
        // starting the pause; the tick is run here, the pause never fires.
        if (w.t.TimerValoreAggiuntivo.enabled()) s.TimerValoreAggiuntivo_Timer();
    } else if (d == 0) {
        s.CalcolaPuntiCarte();
        s.cmdTerzultimaGiocataIniziaPC();
        s.cmdAnalisiSecondoLivello();
    } else if (d == -1) {
        s.cmdTerzultimaGiocataRispondePC();
        s.cmdAnalisiSecondoLivelloBis();
    } else if (d == -2) {
        s.cmdPenultimaGiocataIniziaPC();
    } else if (d == -3) {
        s.cmdPenultimaGiocataRispondePC();
    } else if (d == -4) {
        w.gioco.GiocaUltimaCartaPC();
    } else if (d == -5) {
        w.gioco.UnicaCartaPC();
    }
    w.t.TimerAttesaDelPCaMuovere.disable();
    return g.lblCartaPCDaGiocare;
}

}  // namespace zelvo
