#pragma once
// A file system for tests: real files below a folder of the test's own, and
// failures injected at any step of an atomic write (a full disk, a crash
// between writing and renaming).
#include <string>

#include "platform/files.h"

namespace zelvo {

class FileSystemDiProva final : public FileSystem {
public:
    // Content and user files both below `cartella` (content/ and utente/).
    explicit FileSystemDiProva(const std::string& cartella)
        : FileSystem(RadiciDati{{cartella + "/contenuto"}, cartella + "/utente"}) {}

    enum class Guasto { Nessuno, Apertura, Scrittura, Svuotamento, PrimaDelRinomina };
    // After `dopo` good writes, the next `volte` writes fail at that step (then it heals).
    void guasta(Guasto g, int volte = 1, int dopo = 0) {
        guasto_ = g;
        volte_ = volte;
        dopo_ = dopo;
    }
    int scrittureTentate() const { return tentate_; }

    bool scrivi(const std::string& percorso, std::string_view contenuto) override {
        ++tentate_;
        attivo_ = guasto_ != Guasto::Nessuno && dopo_ == 0;
        if (guasto_ != Guasto::Nessuno && dopo_ > 0) --dopo_;
        bool r = FileSystem::scrivi(percorso, contenuto);
        if (attivo_ && --volte_ <= 0) guasto_ = Guasto::Nessuno;
        attivo_ = false;
        return r;
    }

protected:
    bool permetti(Passo p) override {
        if (!attivo_) return true;
        switch (guasto_) {
            case Guasto::Nessuno: return true;
            case Guasto::Apertura: return p != Passo::Apri;
            case Guasto::Scrittura: return p != Passo::Scrivi;
            case Guasto::Svuotamento: return p != Passo::Svuota;
            case Guasto::PrimaDelRinomina: return p != Passo::Rinomina;
        }
        return true;
    }

private:
    Guasto guasto_ = Guasto::Nessuno;
    int volte_ = 0;
    int dopo_ = 0;
    bool attivo_ = false;
    int tentate_ = 0;
};

}  // namespace zelvo
