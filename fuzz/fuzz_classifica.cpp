// The ranking file: a file that reads is written back to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/formati.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view byte(reinterpret_cast<const char*>(data), size);
    auto c = zelvo::formati::leggiClassifica(byte);
    if (!c) return 0;
    auto scritto = zelvo::formati::scriviClassifica(*c);
    auto c2 = zelvo::formati::leggiClassifica(scritto);
    if (!c2 || zelvo::formati::scriviClassifica(*c2) != scritto) std::abort();
    return 0;
}
