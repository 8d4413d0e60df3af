#pragma once
// The fields of the computer's evaluation (shown in the hidden strategy panel).
#include <array>
#include <string>

#include "cards/card.h"

namespace zelvo {

struct StatoStrategia {
    // "Si" from the first time a 60-point filter fires until the game is booked.
    bool lblFiltro60Punti = false;
};

}  // namespace zelvo
