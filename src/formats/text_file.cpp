#include "formats/text_file.h"

#include <iconv.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <mutex>

namespace zelvo::textfile {

namespace {

// One converter each way, opened once; iconv keeps state, so each use resets it.
struct Convertitore {
    iconv_t cd;
    std::mutex mutex;
    Convertitore(const char* a, const char* da) : cd(iconv_open(a, da)) {}
    ~Convertitore() {
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
};

Convertitore& versoCp1252() {
    static Convertitore c("CP1252//TRANSLIT", "UTF-8");
    return c;
}
Convertitore& daCp() {
    static Convertitore c("UTF-8", "CP1252");
    return c;
}
Convertitore& utf8Checker() {
    static Convertitore c("UTF-8", "UTF-8");
    return c;
}

bool spazio(char c) { return c == ' ' || c == '\t'; }

std::string_view senzaBordi(std::string_view s) {
    while (!s.empty() && spazio(s.front())) s.remove_prefix(1);
    while (!s.empty() && spazio(s.back())) s.remove_suffix(1);
    return s;
}

bool uguale(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

// Runs the converter over the whole text. A character it cannot convert becomes
// one "?" when `sostituisci`, else the whole conversion fails.
std::optional<std::string> converti(Convertitore& c, std::string_view testo, bool sostituisci) {
    std::lock_guard lock(c.mutex);
    iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(testo.data());
    size_t inLeft = testo.size();
    std::string out;
    out.reserve(testo.size());
    char buf[512];
    while (inLeft > 0) {
        char* o = buf;
        size_t oLeft = sizeof buf;
        size_t r = iconv(c.cd, &in, &inLeft, &o, &oLeft);
        out.append(buf, static_cast<size_t>(o - buf));
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            if (!sostituisci) return std::nullopt;
            // A character with no place in the code page, or a broken sequence: one "?"
            // for the whole character.
            out += '?';
            ++in;
            --inLeft;
            while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
                ++in;
                --inLeft;
            }
            iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

}  // namespace

std::string toCp1252(std::string_view utf8) {
    std::string out;
    // Plain ASCII needs no converter.
    bool ascii = true;
    for (unsigned char c : utf8)
        if (c >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return std::string(utf8);

    Convertitore& c = versoCp1252();
    if (c.cd == reinterpret_cast<iconv_t>(-1)) {
        for (unsigned char ch : utf8) out += ch < 0x80 ? static_cast<char>(ch) : '?';
        return out;
    }
    return *converti(c, utf8, true);
}

namespace {

// A line of text in the given encoding (CP1252 or UTF-8) as UTF-8; nothing for
// a control character other than tab or bytes the encoding does not allow.
std::optional<std::string> decodeLine(std::string_view byte, bool utf8) {
    bool ascii = true;
    for (unsigned char c : byte) {
        if ((c < 0x20 && c != '\t') || c == 0x7F) return std::nullopt;
        if (c >= 0x80) ascii = false;
    }
    if (ascii) return std::string(byte);
    Convertitore& c = utf8 ? utf8Checker() : daCp();
    if (c.cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    return converti(c, byte, false);
}

}  // namespace

std::optional<std::string> fromCp1252(std::string_view byte) { return decodeLine(byte, false); }

void Writer::text(std::string_view utf8) {
    utf8_ += '"';
    // A text made only of characters the code page drops (a stray byte-order mark) would be
    // stored empty, and an empty line ends the register: it is stored as one "?".
    if (!utf8.empty() && toCp1252(utf8).empty()) utf8 = "?";
    for (char c : utf8) utf8_ += c == '"' ? '\'' : (c == '\r' || c == '\n') ? ' ' : c;
    utf8_ += "\"\r\n";
}

std::string asStored(std::string_view utf8) {
    Writer s;
    s.text(utf8);
    const std::vector<Line> r = splitLines(s.bytes());
    return r.empty() || !r[0] ? std::string() : valueOf(*r[0]);
}

void Writer::whole(long long n) { utf8_ += std::to_string(n) + "\r\n"; }

void Writer::single(float x) { utf8_ += singleText(x) + "\r\n"; }

void Writer::truth(bool b) { utf8_ += b ? "#TRUE#\r\n" : "#FALSE#\r\n"; }

std::string singleText(float x) {
    if (x == 0.0f || std::isnan(x)) return "0";
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

std::vector<Line> splitLines(std::string_view byte) {
    std::vector<Line> out;
    const bool utf8 = byte.starts_with(BOM_UTF8);
    if (utf8) byte.remove_prefix(BOM_UTF8.size());
    size_t i = 0;
    while (i < byte.size()) {
        size_t j = byte.find('\n', i);
        size_t fine = j == std::string_view::npos ? byte.size() : j;
        std::string_view r = byte.substr(i, fine - i);
        if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
        out.push_back(decodeLine(r, utf8));
        if (j == std::string_view::npos) break;
        i = j + 1;
    }
    return out;
}

bool quoted(std::string_view riga) {
    riga = senzaBordi(riga);
    return !riga.empty() && riga.front() == '"';
}

std::string valueOf(std::string_view riga) {
    std::string_view r = senzaBordi(riga);
    if (!r.empty() && r.front() == '"') {
        r.remove_prefix(1);
        size_t q = r.find('"');
        return std::string(q == std::string_view::npos ? r : r.substr(0, q));
    }
    if (uguale(r, "#TRUE#")) return "True";
    if (uguale(r, "#FALSE#")) return "False";
    return std::string(r);
}

std::optional<long long> whole(std::string_view v) {
    v = senzaBordi(v);
    if (v.empty()) return std::nullopt;
    if (v.front() == '+') v.remove_prefix(1);
    long long n = 0;
    auto r = std::from_chars(v.data(), v.data() + v.size(), n);
    if (r.ec != std::errc() || r.ptr != v.data() + v.size()) return std::nullopt;
    return n;
}

std::optional<float> single(std::string_view v) {
    v = senzaBordi(v);
    if (v.empty() || v.size() > 64) return std::nullopt;
    bool cifra = false;
    for (char c : v) {
        if (c >= '0' && c <= '9') cifra = true;
        else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E') return std::nullopt;
    }
    if (!cifra) return std::nullopt;
    std::string s(v);
    char* fine = nullptr;
    errno = 0;
    float x = std::strtof(s.c_str(), &fine);
    if (fine != s.c_str() + s.size() || errno == ERANGE || !std::isfinite(x)) return std::nullopt;
    return x;
}

std::optional<bool> truth(std::string_view v) {
    v = senzaBordi(v);
    if (uguale(v, "True") || uguale(v, "#TRUE#")) return true;
    if (uguale(v, "False") || uguale(v, "#FALSE#")) return false;
    if (auto n = whole(v)) return *n != 0;
    return std::nullopt;
}

}  // namespace zelvo::textfile
