#pragma once
// Settings, records, the archive of saved games and the review of a recorded game.
#include <optional>
#include <string>

#include "platform/clock.h"

namespace zelvo {

class Principale;
struct Button;

// The register entry of a match: number, winner first, games, date and time.
std::string voceAlbo(int n, bool vinceH, bool sbirciata, const std::string& nome, int livelloZelvo, int giochiH,
                     int giochiPC, const DataOra& quando);

class Records {
public:
    explicit Records(Principale& w) : w_(w) {}

    // The settings file, read at start-up and written when the game is left.
    void CaricaImpostazioni();
    void SalvaImpostazioni();
    // The optional-deck file (start-up).
    void CaricaCarteOpzionali();

    // The records: at the end of a match, and at start-up.
    void AggiornaClassifica();
    void SalvaAlbo();
    void CaricaAlbo();

    // The data-panel heading "ZELVO A".."ZELVO E" from the level option.
    void AggiornaNomeLivello();
    // The normal text colours of the played-card and drawn-card cells.
    void RipristinaColoriDati();

    // The archive of saved games.
    void SalvaGioco();
    void cmdLoad();
    void TimerCaricaPartita_Timer();
    // The name the save dialog proposes, below the data root ("...\Archivio\007-02.txt").
    std::string nomeProposto() const;

    // The review of the game that the grid holds.
    void PreparaAnalisi();
    void cmdInizioAnalisi();
    void cmdScegliManche();
    void cmdTornaAlGioco();

private:
    void fineAnalisi();
    void giocaCartaAnalisi(bool pc);
    void prendiAnalisi();
    void pescaAnalisi();
    // The review noise of a step, by the phase of the cycle it stands for.
    void suonoAnalisi(int fase);
    void interrompiAnalisi(const char* messaggio);
    void fuoco(Button& p);
    Principale& w_;
};

}  // namespace zelvo
