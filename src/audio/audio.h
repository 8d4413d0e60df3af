#pragma once
// What the sounds of the game work on: the sound fields they own, the fields
// of the game they read, their own timers, the media players and the random pick.
#include "cards/random_pick.h"
#include "cards/table.h"
#include "model/game.h"
#include "model/options.h"
#include "model/sounds.h"
#include "model/window.h"
#include "platform/platform.h"
#include "platform/scheduler.h"

namespace zelvo {

struct AudioModel {
    SoundState& sounds;
    const GameAndMatch& game;
    const CardTable& cards;
    const Options& options;
    const Window& window;  // whether a right-hand panel is open; the review's name colours
};

struct AudioTimers {
    Timer& TimerImpazienza;
    Timer& TimerFineImpazienza;
    Timer& TimerFinisciCommento;
    Timer& TimerInterdiciSuoni;
    Timer& TimerDurataCommentoFinale;
    Timer& TimerCommentiFinali;
    Timer& TimerFineRumoreCarte;
    Timer& TimerFermaBrano;
    Timer& TimerFrequenzaMusica;
    Timer& TimerIniziaInno;
};

}  // namespace zelvo
