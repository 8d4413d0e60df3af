// The ranking file: a file that reads is written back to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/file_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view byte(reinterpret_cast<const char*>(data), size);
    auto c = zelvo::formats::readRanking(byte);
    if (!c) return 0;
    auto scritto = zelvo::formats::writeRanking(*c);
    auto c2 = zelvo::formats::readRanking(scritto);
    if (!c2 || zelvo::formats::writeRanking(*c2) != scritto) std::abort();
    return 0;
}
