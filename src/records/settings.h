#pragma once
// The settings file ("ZlvImpo.txt", 43 lines): read once at start-up, written
// when the game is left. It keeps the 21 options and some other fields of the
// window between runs. And the read-only file of the optional third deck.
#include <array>
#include <optional>
#include <string>

#include "model/options.h"
#include "platform/files.h"

namespace zelvo {

// What the settings file holds, field by field. As read, a line that is missing or
// not of its field's kind is empty, and its field keeps the value it has.
struct SavedSettings {
    std::array<std::optional<std::string>, OPTION_COUNT> options;
    // The intervals of TimerAttesaDelPCaMuovere, TimerEffettuaLaPresa,
    // TimerAnimazionecartePC and TimerAnimazionecarteH.
    std::optional<int> computerPauseMs, takingMs, animationPCMs, animationHMs;
    // The peek flag for the next run: any text but "No" sets lblSbirciata.
    std::optional<std::string> peek;
    // The games-won table: ShpLineaV(2..4), the markers' left edges 2..4.
    std::array<std::optional<float>, 5> ShpLineaVLeft{}, shpPuntiPCLeft{}, shpPuntiHLeft{};
    std::array<std::optional<bool>, 5> ShpLineaVVisible{};
    // The points displays: lblPuntiPCVista, lblPuntiPCScritta, lblPuntiHVista, lblPuntiHScritta.
    std::array<std::optional<bool>, 4> pointsShown{};
    std::optional<std::string> lblPannelloVisualizzato, lblContinuaregole;
};

// Reads the settings file; no file, or one that cannot be read, gives nothing.
SavedSettings CaricaImpostazioni(FileSystem& fs);
// Writes the settings; every field must hold a value.
void SalvaImpostazioni(FileSystem& fs, const SavedSettings& s);

// The optional-deck file: whether the third deck is installed, whether the window
// frames its cards, and its name.
struct OptionalDeck {
    std::optional<std::string> lblCarteOpzionali, lblNomeCarteOpzionali;
    std::optional<bool> framed;
};
OptionalDeck CaricaCarteOpzionali(FileSystem& fs);

}  // namespace zelvo
