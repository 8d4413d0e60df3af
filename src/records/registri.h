#pragma once
// Settings, records and the archive of saved games.
namespace zelvo {

class Principale;

class Registri {
public:
    explicit Registri(Principale& w) : w_(w) {}

    // At the end of a match.
    void AggiornaClassifica();
    void SalvaAlbo();
    // The data-panel heading "ZELVO A".."ZELVO E" from the level option.
    void AggiornaNomeLivello();
    // The normal text colours of the played-card and drawn-card cells.
    void RipristinaColoriDati();

private:
    Principale& w_;
};

}  // namespace zelvo
