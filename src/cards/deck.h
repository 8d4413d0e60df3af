#pragma once
// The shuffle, the random draw and the program's one random pick.
namespace zelvo {

struct Model;
class Clock;
class Random;

class Mazzo {
public:
    Mazzo(Model& m, Random& random, Clock& clock) : m_(m), random_(random), clock_(clock) {}

    // An integer 1..N mixed from the generator and the clock's minute and second.
    int NumeroCasuale(int N);
    // A random order of the 40 codes into the shuffled deck.
    void cmdMescolaCarte();
    // A random undrawn card of the shuffled deck into slot lblContatoreCarteEstratte.
    void cmdEstraiACasoUnaCarta();
    // Marks the card in lblCartaGiocata as played, by whom its BackColor says.
    void SegnaCartaGiocata();

private:
    Model& m_;
    Random& random_;
    Clock& clock_;
};

// The formula of NumeroCasuale for given r, minute and second.
int numeroCasuale(int N, float r, int minuto, int secondo);

}  // namespace zelvo
