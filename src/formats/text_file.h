#pragma once
// The plain-text files of the game: one value per line, texts in double quotes,
// whole numbers bare, single-precision numbers in their shortest form, truth
// values #TRUE# and #FALSE#, lines ended by CR LF. On disk the bytes are
// Windows-1252; in memory every text is UTF-8.
//
// One rule for every reader: a file that begins with the UTF-8 byte-order mark
// is UTF-8 text, as an editor may save it, and the mark is no part of its first
// value; every other file is Windows-1252, as the game writes it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::textfile {

// UTF-8 → Windows-1252. A character the code page lacks becomes its nearest
// look-alike, or "?".
std::string toCp1252(std::string_view utf8);
// Windows-1252 → UTF-8; nothing when the bytes are not Windows-1252 text (one
// of the five unassigned bytes, or a control character other than tab).
std::optional<std::string> fromCp1252(std::string_view bytes);

// A text as the files give it back once written and read again: characters the
// code page lacks replaced, double quotes single, line ends blanks. Whatever is
// compared with a stored text (a player's name) should be kept in this form.
std::string asStored(std::string_view utf8);

// Writes values one a line, in the order given.
class Writer {
public:
    // "Molto Veloce". A double quote inside the text would end it early for
    // every reader, so it is written as a single quote.
    void text(std::string_view utf8);
    void whole(long long n);
    // The shortest decimal form that reads back to the same single-precision value.
    void single(float x);
    void truth(bool b);
    // The file's bytes, Windows-1252 with CR LF.
    std::string bytes() const { return toCp1252(utf8_); }
    const std::string& utf8() const { return utf8_; }

private:
    std::string utf8_;
};

// One line as read: its bytes turned into UTF-8, or nothing when they are not
// Windows-1252 text.
using Line = std::optional<std::string>;
// The lines of a file: split at LF, a CR before it dropped; the line end of the
// last line does not start another one. A UTF-8 byte-order mark at the start
// makes every line UTF-8 (checked as such) and is dropped.
std::vector<Line> splitLines(std::string_view bytes);
// The UTF-8 byte-order mark.
constexpr std::string_view BOM_UTF8 = "\xEF\xBB\xBF";

// The quoted-list reading of one line into a text value: surrounding double
// quotes removed (up to the closing quote), #TRUE#/#FALSE# become True/False,
// an unquoted value taken to the end of the line without its outer blanks.
std::string valueOf(std::string_view line);
// A line that holds a quoted text.
bool quoted(std::string_view line);
// The conversions of a text value to the type of its target; nothing when the
// text is not of that kind.
std::optional<long long> whole(std::string_view value);
std::optional<float> single(std::string_view value);
std::optional<bool> truth(std::string_view value);

// The shortest form of a single-precision value ("1095", "0.5"); never "-0".
std::string singleText(float x);

}  // namespace zelvo::textfile
