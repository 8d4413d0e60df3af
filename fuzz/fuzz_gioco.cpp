// The game file: a file that reads is written back to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/formati.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view byte(reinterpret_cast<const char*>(data), size);
    zelvo::formati::Errore e;
    auto g = zelvo::formati::leggiGioco(byte, &e);
    if (!g) {
        if (e.riga < 0 || e.motivo.empty()) std::abort();
        return 0;
    }
    auto scritto = zelvo::formati::scriviGioco(*g);
    auto g2 = zelvo::formati::leggiGioco(scritto);
    if (!g2 || zelvo::formati::scriviGioco(*g2) != scritto) std::abort();
    return 0;
}
