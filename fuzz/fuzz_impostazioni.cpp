// The settings file and the optional-deck file: any bytes give a calm result,
// and every text value read can be written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/formati.h"
#include "records/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view byte(reinterpret_cast<const char*>(data), size);
    auto imp = zelvo::formati::leggiImpostazioni(byte);
    for (int n = 1; n <= zelvo::formati::RIGHE_IMPOSTAZIONI; ++n) {
        (void)imp.intero(n);
        (void)imp.singolo(n);
        (void)imp.verita(n);
        if (auto v = imp.singolo(n)) {
            // The shortest form reads back to the same value.
            auto x = zelvo::testo::singolo(zelvo::testo::formatoSingolo(*v));
            if (!x || *x != *v) std::abort();
        }
        if (imp.riga[n] && imp.riga[n]->find('"') == std::string::npos) {
            zelvo::testo::Scrittore s;
            s.testo(*imp.riga[n]);
            auto r = zelvo::testo::righe(s.byte());
            if (r.size() != 1 || !r[0] || zelvo::testo::valore(*r[0]) != *imp.riga[n]) std::abort();
        }
    }
    (void)zelvo::formati::leggiCarteOpzionali(byte);
    return 0;
}
