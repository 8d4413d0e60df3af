#pragma once
// The 21 user options. Each is the text of its value label lblOpzione(i), as the
// options panel shows it and the settings file keeps it. Code reads an option by
// name, through the value enums below, each value carrying its exact text; a
// text the game does not know reads as Unknown and survives a load and a save
// untouched.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"

namespace zelvo {

enum class Option {
    RandomGraphics, TableColour, SongChange, CardStyle, BackColour, BackDesign, CardAnimation,
    ScoreDisplay, MusicFrequency, GameNoises, Talkativeness, Temper, Level, SongTitles,
    AutoTaking, GameEnd, MatchEnd, Ceremony, ShowCards, ResponseSpeed, ReviewAudio,
};
constexpr int OPTION_COUNT = 21;
constexpr int index(Option o) { return static_cast<int>(o); }

// The values of each option in the order a click on its caption steps through
// them; Unknown stands for any other text.
enum class RandomGraphics { No, AtMatchStart, AtEveryGame, Unknown };
enum class SongChange { AfterPreviousSong, AfterNewGame, Unknown };
enum class CardStyle { Piacentine, Napoletane, Unknown };  // Unknown: the optional deck's name, or any other
enum class CardAnimation { No, Fast, Medium, Slow, Unknown };
enum class ScoreDisplay { Both, ZelvoOnly, Neither, HumanOnly, Unknown };
enum class MusicFrequency { Always, Often, Sometimes, Rarely, Never, Unknown };
enum class GameNoises { Yes, No, Unknown };
enum class Talkativeness { Taciturn, Reserved, Gentleman, Talkative, Gossip, Unknown };
enum class Temper { Peaceful, QuiteTolerant, Impatient, Edgy, VeryNervous, Unknown };
enum class Level { A, B, C, D, E, Unknown };
enum class SongTitles { Yes, No, Unknown };
enum class AutoTaking { No, VerySlow, Slow, Medium, Fast, VeryFast, Unknown };
enum class GameEnd { FirstPastSixty, LastTrick, Unknown };
enum class MatchEnd { BestOf3, BestOf4, BestOf5, Unknown };
enum class Ceremony { No, EveryGame, EndOfMatch, Unknown };
enum class ShowCards { No, Yes, Unknown };
enum class ResponseSpeed { VeryFast, VerySlow, Slow, Medium, Fast, Unknown };
enum class ReviewAudio { Silence, StopMusic, AsInGame, NoNoises, Unknown };

// Which option a value enum belongs to, and the exact text of each of its values.
template <class E>
struct OptionValues;
#define ZELVO_OPTION_VALUES(E, OPTION, ...)                                          \
    template <>                                                                      \
    struct OptionValues<E> {                                                         \
        static constexpr Option option = Option::OPTION;                             \
        static constexpr auto texts = std::to_array<std::string_view>({__VA_ARGS__}); \
        static_assert(texts.size() == static_cast<size_t>(E::Unknown), "one text a value"); \
    }
ZELVO_OPTION_VALUES(RandomGraphics, RandomGraphics, "No", "All'inizio della Partita", "All'inizio di ogni Gioco");
ZELVO_OPTION_VALUES(SongChange, SongChange, "Dopo il brano precedente", "Dopo un nuovo Gioco");
ZELVO_OPTION_VALUES(CardStyle, CardStyle, "Piacentine", "Napoletane");
ZELVO_OPTION_VALUES(CardAnimation, CardAnimation, "No", "Veloce", "Media", "Lenta");
ZELVO_OPTION_VALUES(ScoreDisplay, ScoreDisplay, "Tutti e due i Giocatori", "Solo Zelvo", "Nessuno dei due Giocatori",
                    "Solo il Giocatore umano");
ZELVO_OPTION_VALUES(MusicFrequency, MusicFrequency, "Sempre", "Spesso", "Ogni tanto", "Raramente", "Mai");
ZELVO_OPTION_VALUES(GameNoises, GameNoises, "Si", "No");
ZELVO_OPTION_VALUES(Talkativeness, Talkativeness, "Taciturno", "Riservato", "Gentleman", "Loquace", "Pettegolo");
ZELVO_OPTION_VALUES(Temper, Temper, "Pacifico", "Abbastanza tollerante", "Impaziente", "Nervosetto", "Assai nervoso");
ZELVO_OPTION_VALUES(Level, Level, "Massima (Livello A)", "Alta (Livello B)", "Media (Livello C)", "Bassa (Livello D)",
                    "Minima (Livello E)");
ZELVO_OPTION_VALUES(SongTitles, SongTitles, "Si", "No");
ZELVO_OPTION_VALUES(AutoTaking, AutoTaking, "No", "Molto Lenta", "Lenta", "Media", "Veloce", "Molto Veloce");
ZELVO_OPTION_VALUES(GameEnd, GameEnd, "Appena uno supera 60 punti", "Fino all'ultima presa");
ZELVO_OPTION_VALUES(MatchEnd, MatchEnd, "Al meglio di 3 Giochi", "Al meglio di 4 Giochi", "Al meglio di 5 Giochi");
ZELVO_OPTION_VALUES(Ceremony, Ceremony, "No", "Al termine di ogni Gioco", "Al termine della Partita");
ZELVO_OPTION_VALUES(ShowCards, ShowCards, "No", "Si");
ZELVO_OPTION_VALUES(ResponseSpeed, ResponseSpeed, "Molto Veloce", "Molto Lenta", "Lenta", "Media", "Veloce");
ZELVO_OPTION_VALUES(ReviewAudio, ReviewAudio, "Silenzio assoluto", "Interrompi la Musica", "Come nel Gioco",
                    "Spegni i Rumori");
#undef ZELVO_OPTION_VALUES

// The exact text of a value.
template <class E>
constexpr const char* textOf(E v) {
    return OptionValues<E>::texts[static_cast<size_t>(v)].data();  // each a literal, so ended by its zero
}

// Options 1 and 4: 24 colour names; option 5: the 13 back designs.
constexpr int COLOUR_COUNT = 24;
extern const std::array<const char*, COLOUR_COUNT> COLOUR_NAMES;
constexpr int BACK_DESIGN_COUNT = 13;
extern const std::array<const char*, BACK_DESIGN_COUNT> BACK_DESIGNS;  // in cycle order, "Nessuno" first

struct Options {
    std::array<std::string, OPTION_COUNT> lblOpzione;
    std::array<std::string, OPTION_COUNT> lblVoce;
    // The captions' text colour: LIGHT_GREEN while the option may change, PINK while locked.
    std::array<Colour, OPTION_COUNT> lblVoceColore;
    // The hover highlight: an opaque background behind the value of the free option
    // whose caption the mouse is on; lblOpzioneMouse is that option, NONE for none.
    static constexpr int NONE = OPTION_COUNT;
    std::array<bool, OPTION_COUNT> lblOpzioneEvidenziata{};
    int lblOpzioneMouse = NONE;
    Options();

    const std::string& text(Option o) const { return lblOpzione[index(o)]; }
    std::string& text(Option o) { return lblOpzione[index(o)]; }

    // The value by name; Unknown for a text the option does not know.
    template <class E>
    E get() const {
        const std::string& t = text(OptionValues<E>::option);
        for (size_t k = 0; k < OptionValues<E>::texts.size(); ++k)
            if (t == OptionValues<E>::texts[k]) return static_cast<E>(k);
        return E::Unknown;
    }
    template <class E>
    void set(E v) {
        text(OptionValues<E>::option) = textOf(v);
    }

    bool isFree(Option o) const { return lblVoceColore[index(o)] == colour::LIGHT_GREEN; }
    void lock(Option o) { lblVoceColore[index(o)] = colour::PINK; }
    void free(Option o) { lblVoceColore[index(o)] = colour::LIGHT_GREEN; }
};

// The caption of an option ("Abilità di Zelvo:").
const char* captionOf(Option o);
// Its values in cycle order, and its value before the settings are read.
std::vector<std::string> valuesOf(Option o);
const char* initialValue(Option o);
// The tool tip of an option's value, which explains the option.
const char* toolTipOf(Option o);

// The value a click on an option's caption moves to from `current`; `thirdDeck` is
// the third deck's name when it is installed (it then sits between the two regional
// decks), empty otherwise. A text the option does not know stays, except where the
// game turns it into a known one.
std::string nextValue(Option o, const std::string& current, const std::string& thirdDeck);

// The colours of options 1 and 4, as 0x00BBGGRR; an unknown name is painted "Salvia".
Colour tableColour(const std::string& name);
Colour backColour(const std::string& name);
// Colour name 1..24.
const char* colourName(int index);

// What the options set.
int animationInterval(CardAnimation a);  // 30/45/80 ms a step; 0: leave it as it is
int takingInterval(AutoTaking a);        // 2350..750 ms, 0 for "No"
int computerPause(ResponseSpeed s);      // 1500..500 ms
int gamesToWin(MatchEnd m);              // 3, 4 or 5; 0 for an unknown text
// The strength level 1..5 (A..E) the strategy knows; 0 for an unknown text.
constexpr int levelNumber(Level l) { return l == Level::Unknown ? 0 : static_cast<int>(l) + 1; }

}  // namespace zelvo
