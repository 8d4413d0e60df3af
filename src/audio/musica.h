#pragma once
// The folk melodies, the anthems of the award ceremony and the flag.
namespace zelvo {

class Principale;

class Music {
public:
    explicit Music(Principale& w) : w_(w) {}

    // The end of a deal: start, resume or change the melody.
    void MusicaDistribuzione();
    // The winner's anthem; it starts the flag animation.
    void InnoItaliano();
    void InnoInglese();
    // The flag animation has ended: the title line of the music display comes back.
    void RipristinaTitolo();
    // The end panel is left: the anthem player is closed.
    void ChiudiInno();

    // Chooses and starts a melody not yet heard in this cycle of 21.
    void cmdSCegliBrano();
    // The option "Frequenza Music:" has just changed: "Mai" silences at once,
    // "Sempre" plays the current melody again (or a new one once the first deal is over).
    void CambioFrequenza();
    // Stops the melody (the review with the music off): player closed, stop clock off, title hidden.
    void FermaBrano();

    void TimerFermaBrano_Timer();
    void TimerFrequenzaMusica_Timer();
    void TimerIniziaInno_Timer();

private:
    void inno(const char* file, const char* titolo);
    // Starts again the melody last chosen, from its beginning, with its kept title.
    void ripetiBrano();
    Principale& w_;
};

}  // namespace zelvo
