#pragma once
// The program's one random pick: an integer 1..N mixed from the generator and
// the clock's minute and second.
namespace zelvo {

class Clock;
class Random;

class RandomPick {
public:
    virtual ~RandomPick() = default;
    virtual int NumeroCasuale(int N) = 0;
};

// The pick the game uses: each draw reads the generator and the clock.
class ClockPick final : public RandomPick {
public:
    ClockPick(Random& random, const Clock& clock) : random_(random), clock_(clock) {}
    int NumeroCasuale(int N) override;

private:
    Random& random_;
    const Clock& clock_;
};

// The formula of NumeroCasuale for given r, minute and second.
int numeroCasuale(int N, float r, int minute, int second);

}  // namespace zelvo
