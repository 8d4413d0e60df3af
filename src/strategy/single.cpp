#include "strategy/single.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cmath>

namespace zelvo {

namespace {

// Printing a float to seven digits and reading it back costs far more than the
// rest of a decision; the same values come back again and again, so the stored
// form of the last values met is kept, slot by bit pattern.
struct Remembered {
    uint32_t bits = 0;
    bool used = false;
    Single value;
};
constexpr size_t REMEMBERED = 4096;

}  // namespace

Single Single::of(float f) {
    if (f == 0.0f) f = 0.0f;  // no "-0"
    const uint32_t bits = std::bit_cast<uint32_t>(f);
    thread_local std::array<Remembered, REMEMBERED> remembered;
    Remembered& r = remembered[(bits * 2654435761u) >> 20];
    if (r.used && r.bits == bits) return r.value;
    r.bits = bits;
    r.used = true;
    r.value = compute(f);
    return r.value;
}

Single Single::compute(float f) {
    Single s;
    auto r = std::to_chars(s.text_.data(), s.text_.data() + s.text_.size(), f, std::chars_format::general, 7);
    s.length_ = static_cast<uint8_t>(r.ptr - s.text_.data());
    float back = 0.0f;
    std::from_chars(s.text_.data(), r.ptr, back);
    s.value_ = back;
    return s;
}

Single Single::fromText(std::string_view t) {
    float f = 0.0f;
    auto r = std::from_chars(t.data(), t.data() + t.size(), f);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(f)) return {};
    return of(f);
}

std::string singleText(float f) { return Single::of(f).str(); }

}  // namespace zelvo
