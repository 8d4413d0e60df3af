// The game file: a file that reads is written back to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/file_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view byte(reinterpret_cast<const char*>(data), size);
    zelvo::formats::Error e;
    auto g = zelvo::formats::readGame(byte, &e);
    if (!g) {
        if (e.line < 0 || e.reason.empty()) std::abort();
        return 0;
    }
    auto scritto = zelvo::formats::writeGame(*g);
    auto g2 = zelvo::formats::readGame(scritto);
    if (!g2 || zelvo::formats::writeGame(*g2) != scritto) std::abort();
    return 0;
}
