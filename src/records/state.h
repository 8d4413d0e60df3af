#pragma once
// The fields of the records: ranking, statistics and match register.
#include <string>

namespace zelvo {

struct StatoRegistri {
    bool lblDieciMigliori = true;  // the sub-title "dei 10 migliori Giocatori di Briscola"
};

}  // namespace zelvo
