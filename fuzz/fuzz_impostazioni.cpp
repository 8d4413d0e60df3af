// The settings file and the optional-deck file: any bytes give a calm result,
// and every text value the code page can hold is written and read back unchanged
// (a character outside it, such as a stray byte-order mark inside a UTF-8 line,
// is stored as its nearest Windows-1252 form, so it cannot come back as it was).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/file_formats.h"
#include "formats/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view byte(reinterpret_cast<const char*>(data), size);
    auto imp = zelvo::formats::readSettingsLines(byte);
    for (int n = 1; n <= zelvo::formats::SETTINGS_LINES; ++n) {
        (void)imp.whole(n);
        (void)imp.single(n);
        (void)imp.truth(n);
        if (auto v = imp.single(n)) {
            // The shortest form reads back to the same value.
            auto x = zelvo::textfile::single(zelvo::textfile::singleText(*v));
            if (!x || *x != *v) std::abort();
        }
        const auto inCodePage = [](const std::string& v) {
            auto back = zelvo::textfile::fromCp1252(zelvo::textfile::toCp1252(v));
            return back && *back == v;
        };
        if (imp.line[n] && imp.line[n]->find('"') == std::string::npos && inCodePage(*imp.line[n])) {
            zelvo::textfile::Writer s;
            s.text(*imp.line[n]);
            auto r = zelvo::textfile::splitLines(s.bytes());
            if (r.size() != 1 || !r[0] || zelvo::textfile::valueOf(*r[0]) != *imp.line[n]) std::abort();
        }
    }
    (void)zelvo::formats::readOptionalDeck(byte);
    return 0;
}
