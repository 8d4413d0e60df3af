// Prints one line per remark for the recording script: file, group, the longest
// the clip may last in ms, the syllables of the text, the text (UTF-8), tab-separated.
#include <cctype>
#include <cstdio>
#include <string>

#include "audio/remarks_text.h"
#include "audio/tables.h"

namespace {

// The program closes 1500 ms after a farewell remark starts (the exit step).
constexpr int CHIUSURA_MS = 1500;
// Inizio05 also follows a drawn game, with a lock of 2800 ms.
constexpr int APERTURA_DOPO_PAREGGIO_MS = 2800;

}  // namespace

int main() {
    for (const zelvo::RemarkText& t : zelvo::remarkTexts()) {
        const std::string nome = t.file;
        size_t k = 1;  // the group of "1v01" is "1v": letters after a leading digit
        while (k < nome.size() && !std::isdigit(static_cast<unsigned char>(nome[k]))) ++k;
        const std::string gruppo = nome.substr(0, k);
        const int n = std::stoi(nome.substr(k));
        int limite = zelvo::audio::remarkLockMs(gruppo, n);
        if (gruppo == "Esci" && limite == 0) limite = CHIUSURA_MS;
        if (nome == "Inizio05" && limite > APERTURA_DOPO_PAREGGIO_MS) limite = APERTURA_DOPO_PAREGGIO_MS;
        if (limite <= 0) {
            std::fprintf(stderr, "no clip length for %s\n", t.file);
            return 1;
        }
        std::printf("%s\t%s\t%d\t%d\t%s\n", t.file, gruppo.c_str(), limite, zelvo::countSyllables(t.words), t.words);
    }
    return 0;
}
