#pragma once
// What the main window shows, as data: the slot pictures and frames with their
// positions in twips, the labels the game drives, the panels and the menu.
// The view draws only what it finds here.
#include <array>
#include <string>

#include "cards/card.h"

namespace zelvo {

struct Picture {
    int Left = 0, Top = 0;
    int Width = 1185, Height = 2415;
    bool Visible = false;
    std::string Picture;    // the file shown, a path below the data root; empty: nothing
    int BorderStyle = 0;    // 1: a fixed single border around the picture
};

// A flag of the award ceremony at its design place.
inline Picture bandiera(int top) {
    Picture i;
    i.Left = 3833;
    i.Top = top;
    i.Width = 4335;
    i.Height = 2760;
    return i;
}

struct Frame {
    int Left = 0, Top = 0;
    bool Visible = false;
    // White while the slot is to show its face; a back gives it the back colour.
    Colour BackColor = colour::WHITE;
};

struct Label {
    std::string Caption;
    bool Visible = true;
    Colour ForeColor = colour::BLACK;
    Colour BackColor = colour::WHITE;
    bool opaca = false;     // an opaque background: the highlight of whose move it is
    int Left = 0, Top = 0, Width = 0;
};

struct Button {
    std::string Caption;
    bool Visible = false;
    bool Enabled = true;
    bool focus = false;
};

struct Panel {
    bool Visible = false;
    int Left = 0, Top = 0;
};

// One button of the window has the keyboard focus (the Enter key presses it).
struct Window;
void giveFocus(Window& f, Button& p);

namespace place {
// Home places of the slot pictures (a frame lies 180 twips left of and above its picture).
constexpr int LEFT[9] = {0, 3600, 5400, 7200, 3600, 5400, 7200, 9000, 9000};
// The deck lies 1350 twips below the trump card, over its lower part; its frame
// must not stand in the row of the trick (Top 3150), where no back is ever drawn.
constexpr int TOP[9] = {0, 360, 360, 360, 6300, 6300, 6300, 1950, 3300};
constexpr int FRAME = 180;
// Where the played cards lie in the middle of the table.
constexpr int LEFT_HUMAN = 6300, LEFT_PC = 4500, TOP_TRICK = 3330;
}  // namespace place

// The five command-menu entries and the panels they open.
namespace menu {
constexpr int Partita = 1, Dati = 2, Albo = 3, Options = 4, Esci = 5;
}

struct Window {
    // Index 1..8 by table slot.
    std::array<Picture, 9> ImgCarta{};
    std::array<Frame, 9> ShpCarta{};

    Label lblH, lblPC;            // the players' names; highlighted while it is their move
    Label lblPuntiHVista, lblPuntiPCVista, lblPuntiHScritta, lblPuntiPCScritta;  // points displays
    Label lblIstruzioneIniziale;  // "... clicca su una delle tue carte."
    bool istruzioneCongedata = false; // dismissed by the first click: later deals do not show it
    Label lblCarteRimaste;        // "Carte rimaste:" and the deck counter

    Button cmdEffettuaLaPresa{"Per effettuare la Presa delle due carte clicca qui o premi INVIO"};
    Button cmdContinuaOIniziaPartita;

    Panel fraFineGioco;
    std::string lblFineGioco1, lblFineGioco2;

    std::array<bool, 6> shpPuntiPC{}, shpPuntiH{};  // won-games markers 1..5

    // Flags of the award ceremony, 1 the computer's, 2 the human's.
    std::array<Picture, 3> ImgBandiera{bandiera(0), bandiera(180), bandiera(6120)};
    std::array<double, 3> bandieraTop{0, 180, 6120};  // the flags move by half twips

    // fraPannello(0) data, (1) match, (2) options, (3) hall of fame; the exit frame.
    std::array<Panel, 4> fraPannello{};
    Panel fraEsci;
    bool uscitaInCorso = false;  // the farewell has started: the menu ignores "Esci"
    std::array<Colour, 6> lblComandi{};   // 1..5, white closed, green open
    std::array<bool, 6> comandoAbilitato{true, true, true, true, true, true};  // a review disables 1..4

    // The review buttons of the data panel.
    Button cmdSave{"Salva questo Gioco"}, cmdLoad{"Apri un altro Gioco"}, cmdInizioAnalisi{" Inizia l'Analisi"},
        cmdScegliManche{">>"},
        cmdTornaAlGioco{"Riprendi a giocare"};
    // The hidden button that takes the focus when the match register is clicked, so the
    // register never keeps it: Enter then closes the hall of fame at the end of a game.
    Button cmdSetFocusAlbo;
    bool lblSpiegaPannelloDati = true;     // the hint of the data panel
    bool lblIstruzionePannelloDati = false;  // the review instructions

    // The three choices of the end-of-game frame.
    static constexpr const char* lblApri = "- Apri un Gioco già salvato";
    static constexpr const char* lblRivedi = "- Rivedi il Gioco appena concluso";
    static constexpr const char* lblSalva = "- Salva il Gioco appena concluso";

    // The reading panel (rules, presentation, the author): title, body, the body's top
    // and height in twips, and the portrait beside it. The page state is the caption
    // lblContinuaregole, kept with the settings.
    std::string lblRegoleDelGioco;
    std::string lblRegole;
    int lblRegoleTop = 810, lblRegoleHeight = 7710;
    bool ImgAutoreVisible = false;

    Colour coloreTavolo = 0;   // the window background and the panels
    Colour coloreRetro = 0;    // the card backs and the won-games markers
    int lblBordoCarteOpzionali = 0;
};

inline void giveFocus(Window& f, Button& p) {
    for (Button* b : {&f.cmdSave, &f.cmdLoad, &f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco,
                        &f.cmdEffettuaLaPresa, &f.cmdContinuaOIniziaPartita, &f.cmdSetFocusAlbo})
        b->focus = false;
    p.focus = true;
}

}  // namespace zelvo
