#pragma once
// The clock and the uniform generator, injected so that the random pick of the
// game can be checked with exact worked examples.
#include <cstdint>
#include <random>
#include <vector>

namespace zelvo {

class Scheduler;

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    // Minute and second of the current time; the random pick reads them often.
    virtual void minuteSecond(int& minuto, int& secondo) const {
        DateTime d = now();
        minuto = d.minute;
        secondo = d.second;
    }
};

class Random {
public:
    virtual ~Random() = default;
    // A single-precision value in [0, 1).
    virtual float rnd() = 0;
};

// Wall-clock time of the machine (local time).
class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

// A clock that starts at a fixed moment and follows the virtual time of a scheduler.
class VirtualClock final : public Clock {
public:
    VirtualClock(const Scheduler& scheduler, DateTime start);
    DateTime now() const override;
    void minuteSecond(int& minuto, int& secondo) const override;

private:
    const Scheduler& scheduler_;
    int64_t base_;  // seconds since the epoch at virtual time 0
};

// A seeded uniform generator (Mersenne twister, 24 random bits per value).
class SeededRandom final : public Random {
public:
    explicit SeededRandom(uint64_t seed) : gen_(seed) {}
    float rnd() override { return static_cast<float>(gen_() >> 40) * (1.0f / 16777216.0f); }
    void seed(uint64_t s) { gen_.seed(s); }

private:
    std::mt19937_64 gen_;
};

// Fixed values in turn, for worked examples; repeats the last one when it runs out.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::initializer_list<float> values) : values_(values) {}
    float rnd() override {
        float v = values_.empty() ? 0.0f : values_[next_ < values_.size() ? next_ : values_.size() - 1];
        ++next_;
        return v;
    }
    void push(float v) { values_.push_back(v); }

private:
    std::vector<float> values_;
    size_t next_ = 0;
};

}  // namespace zelvo
