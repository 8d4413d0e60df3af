#pragma once
// The fixed tables of the sounds: which remark, noise or melody file a draw
// picks, how long each clip holds the sound lock, and how often each
// personality speaks. Pure functions, so every value of every draw can be checked.
#include <string>

#include "model/game.h"
#include "model/options.h"

namespace zelvo::audio {

// ---------------------------------------------------------------- personality

// The occasions where a remark may be offered; each draws r = NumeroCasuale(drawSides()).
enum class Occasion { Trick, Opening, Impatience, Stay, Exit };
int drawSides(Occasion o);
// Whether the personality (option 10) speaks at this draw. Unknown texts and
// "Taciturno" never speak, "Pettegolo" always does.
bool speaks(Occasion o, Talkativeness t, int r);

// ---------------------------------------------------------------- remarks

// "C:\Programmi\Zelvo\Commenti\1p\1p01.wav" for group "1p" and number 1.
std::string remarkFile(const std::string& group, int n);
// The lock time in ms of a remark file; 0 for a file without one (Esci01..Esci06)
// or outside the groups.
int remarkLockMs(const std::string& group, int n);
// How many files a group has (1v 30, 1p 24, ... Esci 9); 0 for an unknown group.
int filesInGroup(const std::string& group);

// The trick remarks: the file number within the group for the draw r.
int remarkLeadWon(int vh, int r);                  // 1v, r 1..24; vh the human's card
int remarkLeadLost(int sum, int r);               // 1p, r 1..18; the plain sum of both values
int remarkAnswerLost(int vc, int r);             // 2p, r 1..24; vc the computer's card
int remarkAnswerWon(int r);                     // 2v, r 1..12
int remarkHeavyTrump(int r);                      // 2v, r 1..12
int remarkAnswerWonLittle(char humanSuit, int r);     // 2v, r 1..10
int remarkLightTrump(char humanSuit, int r);          // 2v, r 1..10

// The deal remark (Inizio), r 1..24: the first deal since the start, or by the
// winner of the previous game.
int remarkOpening(bool firstGame, Who lastWinner, int r);
// The end-of-game remark (Fine), r 1..18, by the winner of the game.
int remarkFinal(Who winner, int r);
int remarkImpatience(int r);   // Impaz, r 1..48
int remarkStay(int r);        // Esci07..Esci09, r 1..6
int remarkExit(int r);       // Esci01..Esci06, r 1..6

// ---------------------------------------------------------------- noises

struct Noise {
    const char* file;  // the full path below the data root
    int ms;            // the lock time
};
// The noise of a card of strength value v.
Noise cardNoise(int v);
// "C:\Programmi\Zelvo\Rumori\carta" + r + ".wav", 270 ms.
std::string dealNoise(int r);
std::string takingNoise(int r);   // "Presa1.wav" or "Presa2.wav"
constexpr int DEAL_NOISE_MS = 270;
constexpr int TAKING_NOISE_MS = 568;

// The review noise of one step: phase "1".."4" (`lblContaDati`), the trick number,
// the draw r 1..4, whether both name labels are white, the computer's points and
// whether a melody's stop clock runs. Empty: no sound.
std::string reviewNoise(int phase, int trick, int r, bool namesWhite, int pointsPC, bool songPlaying);

// ---------------------------------------------------------------- music

struct Song {
    const char* title;
    int stopInterval;  // TimerFermaBrano's interval; the melody plays twice as long
    int titleTop; // lblTitolo's Top
};
constexpr int SONG_COUNT = 21;
// Melody n, 1..21.
const Song& song(int n);
// "C:\Programmi\Zelvo\Musiche\MelPop07.mid".
std::string songFile(int n);
// The pause before the next melody for option 8; 0 for "Mai" or an unknown text.
int musicPause(MusicFrequency f);
// TimerImpazienza's interval for option 11; 0 for "Pacifico" or an unknown text.
int impatienceInterval(Temper t);

extern const char* const ENGLISH_ANTHEM_FILE;
extern const char* const ITALIAN_ANTHEM_FILE;
extern const char* const ENGLISH_ANTHEM_TITLE;
extern const char* const ITALIAN_ANTHEM_TITLE;
extern const char* const THEME_FILE;

}  // namespace zelvo::audio
