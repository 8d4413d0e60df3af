#include "strategy/single.h"

#include <charconv>
#include <cmath>

namespace zelvo {

Single Single::of(float f) {
    Single s;
    if (f == 0.0f) f = 0.0f;  // no "-0"
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
