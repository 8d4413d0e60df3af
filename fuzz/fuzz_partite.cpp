// The match count file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/file_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view byte(reinterpret_cast<const char*>(data), size);
    auto n = zelvo::formats::readCount(byte);
    if (!n) return 0;
    if (*n < 0 || zelvo::formats::readCount(zelvo::formats::writeCount(*n)) != n) std::abort();
    return 0;
}
