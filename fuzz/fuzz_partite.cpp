// The match count file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/formati.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view byte(reinterpret_cast<const char*>(data), size);
    auto n = zelvo::formati::leggiPartite(byte);
    if (!n) return 0;
    if (*n < 0 || zelvo::formati::leggiPartite(zelvo::formati::scriviPartite(*n)) != n) std::abort();
    return 0;
}
