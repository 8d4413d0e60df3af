#include "strategy/singola.h"

#include <charconv>
#include <cmath>

namespace zelvo {

Singola Singola::da(float f) {
    Singola s;
    if (f == 0.0f) f = 0.0f;  // no "-0"
    auto r = std::to_chars(s.testo_.data(), s.testo_.data() + s.testo_.size(), f, std::chars_format::general, 7);
    s.len_ = static_cast<uint8_t>(r.ptr - s.testo_.data());
    float back = 0.0f;
    std::from_chars(s.testo_.data(), r.ptr, back);
    s.valore_ = back;
    return s;
}

Singola Singola::daTesto(std::string_view t) {
    float f = 0.0f;
    auto r = std::from_chars(t.data(), t.data() + t.size(), f);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(f)) return {};
    return da(f);
}

std::string testoSingola(float f) { return Singola::da(f).str(); }

}  // namespace zelvo
