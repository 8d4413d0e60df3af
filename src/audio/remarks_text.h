#pragma once
// What ZELVO says in each recorded remark: the one table of the remark texts,
// used to make the recordings and to show a remark as a subtitle.
#include <span>
#include <string_view>

namespace zelvo {

struct RemarkText {
    const char* file;   // the file name without ".wav", e.g. "1v01", "Impaz03"
    const char* words;  // the Italian words of the clip, UTF-8
};

// All 176 remarks, group by group (1v, 1p, 2v, 2p, Impaz, Inizio, Fine, Esci),
// each group in file order.
std::span<const RemarkText> remarkTexts();

// The syllables of an Italian text as a speaker says them word by word: each run of
// vowels counts one syllable for every a, e, o or accented vowel in it (at least one),
// an unstressed i or u beside another vowel being a glide ("Questa" 2, "grazie" 2,
// "briscola" 3). Vowels across word boundaries are not merged.
int countSyllables(std::string_view text);

// The text of a remark by file name; "1v01", "1v01.wav" and a full path ending
// in either name are all accepted. nullptr for a name that is not a remark.
const char* remarkText(std::string_view file);

}  // namespace zelvo
