#include "model/look.h"

namespace zelvo {

std::string faceFile(const std::string& code, CardStyle style) {
    switch (style) {
        case CardStyle::Piacentine: return "C:\\Programmi\\Zelvo\\Piacenti\\" + code + "2.jpg";
        case CardStyle::Napoletane: return "C:\\Programmi\\Zelvo\\Napoleta\\" + code + "1.jpg";
        default: return "C:\\Programmi\\Zelvo\\Opzional\\" + code + "3.jpg";
    }
}

std::string backFile(const std::string& design) {
    static const char* const FILES[][2] = {
        {"Decoro", "Decoro.gif"},      {"Rombi", "Rombi.gif"},         {"Spirali", "Spirali.gif"},
        {"Intrecci", "Intrecci.gif"},  {"Scacchiera", "Scacchie.gif"}, {"Ornamenti", "Ornament.gif"},
        {"Arabeschi", "Arabesch.gif"}, {"Greche", "Greche.gif"},       {"Asterischi", "Asterisc.gif"},
        {"Diagonali", "Diagonal.gif"}, {"Arzigogoli", "Arzigogo.gif"}, {"Stelle", "Stelle.gif"}};
    for (const auto& f : FILES)
        if (design == f[0]) return std::string("C:\\Programmi\\Zelvo\\Grafica\\") + f[1];
    return {};
}

void Look::cmdVisualizzaCarte(int n) {
    if (cards_.lblCarta[n].empty() || window_.ShpCarta[n].BackColor != colour::WHITE) return;
    const CardStyle style = options_.get<CardStyle>();
    Picture& img = window_.ImgCarta[n];
    img.Picture = faceFile(cards_.lblCarta[n], style);
    if (style == CardStyle::Piacentine) img.BorderStyle = 1;
    else if (style == CardStyle::Napoletane) img.BorderStyle = 0;
    else img.BorderStyle = window_.lblBordoCarteOpzionali != 0 ? 1 : 0;
}

void Look::cmdMotivoRetro(int n) {
    Frame& frame = window_.ShpCarta[n];
    if (frame.Top == place::TOP_TRICK - place::FRAME) return;  // a card in the trick is never covered
    if (n != 8 && options_.get<ShowCards>() != ShowCards::No) return;
    frame.BackColor = window_.coloreRetro;
    const std::string& design = options_.text(Option::BackDesign);
    const std::string file = backFile(design);
    if (design == BACK_DESIGNS[0]) window_.ImgCarta[n].Picture.clear();  // "Nessuno": the plain colour
    else if (!file.empty()) window_.ImgCarta[n].Picture = file;
}

void Look::showFace(int slot) {
    window_.ShpCarta[slot].BackColor = colour::WHITE;
    cmdVisualizzaCarte(slot);
}

void Look::showBack(int slot) { cmdMotivoRetro(slot); }

void Look::VisualizzaPunteggio() {
    bool pc, h;
    switch (options_.get<ScoreDisplay>()) {
        case ScoreDisplay::Both: pc = h = true; break;
        case ScoreDisplay::ZelvoOnly: pc = true, h = false; break;
        case ScoreDisplay::HumanOnly: pc = false, h = true; break;
        case ScoreDisplay::Neither: pc = h = false; break;
        default: return;
    }
    window_.lblPuntiPCVista.Visible = window_.lblPuntiPCScritta.Visible = pc;
    window_.lblPuntiHVista.Visible = window_.lblPuntiHScritta.Visible = h;
    for (int k = 1; k <= 20; ++k) {
        data_.lblDati[cells::pcPoints(k)].Visible = pc;
        data_.lblDati[cells::humanPoints(k)].Visible = h;
    }
}

void Look::ApplicaColoreTavolo() { window_.coloreTavolo = tableColour(options_.text(Option::TableColour)); }

void Look::ApplicaColoreRetro() {
    const Colour c = backColour(options_.text(Option::BackColour));
    window_.coloreRetro = c;
    window_.ShpCarta[8].BackColor = c;
    if (options_.get<ShowCards>() == ShowCards::No)
        for (int s = 1; s <= 3; ++s)
            if (window_.ShpCarta[s].Top != place::TOP_TRICK - place::FRAME) window_.ShpCarta[s].BackColor = c;
}

void Look::ColoreTavoloCasuale(RandomPick& pick) {
    const int r = pick.NumeroCasuale(COLOUR_COUNT);
    std::string& caption = options_.lblVoce[index(Option::RandomGraphics)];
    // The caption of option 0 keeps the alternation: without its colon the next call sets the back colour.
    if (!caption.empty() && caption.back() == ':') {
        options_.text(Option::TableColour) = colourName(r);
        caption.pop_back();
    } else {
        options_.text(Option::BackColour) = colourName(r);
        caption.push_back(':');
    }
}

void Look::MotivoRetroCasuale(RandomPick& pick) {
    // The draw's own order of the designs.
    static const char* const DESIGNS[BACK_DESIGN_COUNT] = {"Nessuno",   "Decoro",    "Rombi",     "Spirali",
                                                           "Intrecci",  "Scacchiera", "Ornamenti", "Arabeschi",
                                                           "Greche",    "Diagonali",  "Asterischi", "Arzigogoli",
                                                           "Stelle"};
    options_.text(Option::BackDesign) = DESIGNS[pick.NumeroCasuale(BACK_DESIGN_COUNT) - 1];
}

void Look::randomGraphics(RandomPick& pick) {
    ColoreTavoloCasuale(pick);
    ApplicaColoreTavolo();
    ColoreTavoloCasuale(pick);
    ApplicaColoreRetro();
    MotivoRetroCasuale(pick);
}

void Look::highlight(bool pc, bool h) {
    window_.lblPC.opaca = pc;
    window_.lblH.opaca = h;
}

void Look::RipristinaColoriDati() {
    auto& d = data_.lblDati;
    for (int k = 1; k <= 20; ++k) d[cells::pcCard(k)].ForeColor = d[cells::humanCard(k)].ForeColor = colour::BLUE;
    for (int k = 2; k <= 18; ++k) d[cells::pcDraw(k)].ForeColor = d[cells::humanDraw(k)].ForeColor = colour::BLACK;
}

void Look::AggiornaNomeLivello() {
    const Level level = options_.get<Level>();
    if (level != Level::Unknown) data_.lblDati[0].Caption = std::string("ZELVO ") + static_cast<char>('A' + levelNumber(level) - 1);
}

}  // namespace zelvo
