#pragma once
// The fixed tables of the sounds: which remark, noise or melody file a draw
// picks, how long each clip holds the sound lock, and how often each
// personality speaks. Pure functions, so every value of every draw can be checked.
#include <string>

#include "model/game.h"

namespace zelvo::suoni {

// ---------------------------------------------------------------- personality

// The occasions where a remark may be offered; each draws r = NumeroCasuale(lati()).
enum class Occasione { Presa, Apertura, Impazienza, Resta, Uscita };
int lati(Occasione o);
// Whether the personality (option 10) speaks at this draw. Unknown texts and
// "Taciturno" never speak, "Pettegolo" always does.
bool parla(Occasione o, const std::string& personalita, int r);
// The five personalities that the odds above know.
bool personalitaNota(const std::string& personalita);

// ---------------------------------------------------------------- remarks

// "C:\Programmi\Zelvo\Commenti\1p\1p01.wav" for group "1p" and number 1.
std::string fileCommento(const std::string& gruppo, int n);
// The lock time in ms of a remark file; 0 for a file without one (Esci01..Esci06)
// or outside the groups.
int durataCommento(const std::string& gruppo, int n);
// How many files a group has (1v 30, 1p 24, ... Esci 9); 0 for an unknown group.
int fileNelGruppo(const std::string& gruppo);

// The trick remarks: the file number within the group for the draw r.
int sceltaVinceDiMano(int vh, int r);                  // 1v, r 1..24; vh the human's card
int sceltaPerdeDiMano(int somma, int r);               // 1p, r 1..18; the plain sum of both values
int sceltaPerdeRispondendo(int vc, int r);             // 2p, r 1..24; vc the computer's card
int sceltaVinceRispondendo(int r);                     // 2v, r 1..12
int sceltaBriscolaPesante(int r);                      // 2v, r 1..12
int sceltaVinceRispondendoPoco(char semeH, int r);     // 2v, r 1..10
int sceltaBriscolaLeggera(char semeH, int r);          // 2v, r 1..10

// The deal remark (Inizio), r 1..24: the first deal since the start, or by the
// winner of the previous game.
int sceltaApertura(bool primoGioco, Who ultimoVincitore, int r);
// The end-of-game remark (Fine), r 1..18, by the winner of the game.
int sceltaFinale(Who vincitore, int r);
int sceltaImpazienza(int r);   // Impaz, r 1..48
int sceltaResta(int r);        // Esci07..Esci09, r 1..6
int sceltaUscita(int r);       // Esci01..Esci06, r 1..6

// ---------------------------------------------------------------- noises

struct Rumore {
    const char* file;  // the full path below the data root
    int ms;            // the lock time
};
// The noise of a card of strength value v.
Rumore rumoreCarta(int v);
// "C:\Programmi\Zelvo\Noises\carta" + r + ".wav", 270 ms.
std::string rumoreDistribuzione(int r);
std::string rumorePresa(int r);   // "Presa1.wav" or "Presa2.wav"
constexpr int DURATA_DISTRIBUZIONE = 270;
constexpr int DURATA_PRESA = 568;

// The review noise of one step: phase "1".."4" (`lblContaDati`), the trick number,
// the draw r 1..4, whether both name labels are white, the computer's points and
// whether a melody's stop clock runs. Empty: no sound.
std::string fileAnalisi(int fase, int manche, int r, bool nomiBianchi, int puntiPC, bool branoInCorso);

// ---------------------------------------------------------------- music

struct Brano {
    const char* titolo;
    int intervalloStop;  // TimerFermaBrano's interval; the melody plays twice as long
    int posizioneTitolo; // lblTitolo's Top
};
constexpr int NUMERO_BRANI = 21;
// Melody n, 1..21.
const Brano& brano(int n);
// "C:\Programmi\Zelvo\Musiche\MelPop07.mid".
std::string fileBrano(int n);
// The pause before the next melody for option 8; 0 for "Mai" or an unknown text.
int pausaMusica(const std::string& frequenza);
// TimerImpazienza's interval for option 11; 0 for "Pacifico" or an unknown text.
int intervalloImpazienza(const std::string& carattere);

extern const char* const FILE_INNO_INGLESE;
extern const char* const FILE_INNO_ITALIANO;
extern const char* const TITOLO_INNO_INGLESE;
extern const char* const TITOLO_INNO_ITALIANO;
extern const char* const FILE_SIGLA;

}  // namespace zelvo::suoni
