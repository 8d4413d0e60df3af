// The register file, read with the count its first byte picks.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/file_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    int n = data[0] % 40;
    std::string_view byte(reinterpret_cast<const char*>(data + 1), size - 1);
    auto voci = zelvo::formats::readRegister(byte, n);
    if (!voci) return 0;
    for (const auto& v : *voci)
        if (v.empty()) std::abort();
    auto scritto = zelvo::formats::writeRegister(*voci);
    auto letto = zelvo::formats::readRegister(scritto, static_cast<int>(voci->size()));
    if (!letto || zelvo::formats::writeRegister(*letto) != scritto) std::abort();
    return 0;
}
