#pragma once
// The strategy's fractional values: single precision, living through their
// text. A value is the float printed with seven significant digits and read
// back; "equal" means the same text. Negative zero is written "0", so that two
// values that both round to zero tie.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelvo {

class Single {
public:
    Single() = default;  // the empty caption

    // The stored form of f: its seven-digit text and the float that text reads back as.
    static Single of(float f);
    // Reads a caption; an empty or unreadable text gives the empty value.
    static Single fromText(std::string_view text);

    bool empty() const { return length_ == 0; }
    float value() const { return value_; }  // 0 when empty
    std::string_view text() const { return {text_.data(), length_}; }
    std::string str() const { return std::string(text()); }

    // The same text.
    bool operator==(const Single& o) const { return text() == o.text(); }

private:
    static Single compute(float f);
    float value_ = 0.0f;
    std::array<char, 22> text_{};
    uint8_t length_ = 0;
};

// The seven-digit text of a float ("-0" written "0").
std::string singleText(float f);

}  // namespace zelvo
