#pragma once
// The strategy's fractional values: single precision, living through their
// text. A value is the float printed with seven significant digits and read
// back; "equal" means the same text. Negative zero is written "0", so that two
// values that both round to zero tie.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cards/card.h"

namespace zelvo {

class Singola {
public:
    Singola() = default;  // empty caption

    // The stored form of f: its %.7g text and the float that text reads back as.
    static Singola da(float f);
    // Reads a caption; an empty or unreadable text gives the empty value.
    static Singola daTesto(std::string_view testo);

    bool vuota() const { return len_ == 0; }
    float valore() const { return valore_; }  // 0 when empty
    std::string_view testo() const { return {testo_.data(), len_}; }
    std::string str() const { return std::string(testo()); }

    // The same text.
    bool operator==(const Singola& o) const {
        return len_ == o.len_ && std::string_view(testo_.data(), len_) == std::string_view(o.testo_.data(), o.len_);
    }

private:
    float valore_ = 0.0f;
    std::array<char, 22> testo_{};
    uint8_t len_ = 0;
};

// The seven-digit text of a float ("-0" written "0").
std::string testoSingola(float f);

// A caption holding a single-precision value, with the colours used as marks.
struct EtichettaSingola {
    Singola Caption;
    Colour BackColor = colour::WHITE;
    Colour ForeColor = colour::BLACK;
};

}  // namespace zelvo
