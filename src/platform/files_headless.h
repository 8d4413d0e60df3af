#pragma once
// A file system for tests: real files below a folder of the test's own, and
// faults injected at any step that changes the disk (a full disk, a crash
// between writing and renaming, a kill at any instant).
#include <csignal>
#include <string>
#include <vector>

#include "platform/files.h"

namespace zelvo {

class TestFileSystem final : public FileSystem {
public:
    // Content and user files both below `cartella` (content/ and utente/).
    explicit TestFileSystem(const std::string& cartella)
        : FileSystem(DataRoots{{cartella + "/contenuto"}, cartella + "/utente"}) {}

    enum class Guasto { Nessuno, Apertura, Scrittura, Svuotamento, PrimaDelRinomina };
    // After `dopo` good atomic writes, the next `volte` atomic writes fail at that
    // step (then it heals).
    void guasta(Guasto g, int volte = 1, int dopo = 0) {
        guasto_ = g;
        volte_ = volte;
        dopo_ = dopo;
    }
    int scrittureTentate() const { return tentate_; }

    bool write(const std::string& percorso, std::string_view contenuto) override {
        ++tentate_;
        attivo_ = guasto_ != Guasto::Nessuno && dopo_ == 0;
        if (guasto_ != Guasto::Nessuno && dopo_ > 0) --dopo_;
        bool r = FileSystem::write(percorso, contenuto);
        if (attivo_ && --volte_ <= 0) guasto_ = Guasto::Nessuno;
        attivo_ = false;
        return r;
    }

    // Every step that changes the disk is counted from here on; step `n`
    // (1-based) fails, or the process is killed right before it. A kill is
    // for a forked child only.
    enum class Fault { Fail, Kill };
    void faultAt(int n, Fault f) {
        faultStep_ = n;
        fault_ = f;
        trail_.clear();
    }
    // The steps taken since faultAt, each as "rename /path".
    int steps() const { return static_cast<int>(trail_.size()); }
    const std::vector<std::string>& trail() const { return trail_; }

protected:
    bool allow(Step s, const std::string& path) override {
        static const char* const NAMES[] = {"open", "write", "sync", "rename", "remove", "sync folder"};
        trail_.push_back(std::string(NAMES[static_cast<int>(s)]) + " " + path);
        if (steps() == faultStep_) {
            if (fault_ == Fault::Kill) ::raise(SIGKILL);
            return false;
        }
        if (!attivo_) return true;
        switch (guasto_) {
            case Guasto::Nessuno: return true;
            case Guasto::Apertura: return s != Step::Open;
            case Guasto::Scrittura: return s != Step::Write;
            case Guasto::Svuotamento: return s != Step::Sync;
            case Guasto::PrimaDelRinomina: return s != Step::Rename;
        }
        return true;
    }

private:
    Guasto guasto_ = Guasto::Nessuno;
    int volte_ = 0;
    int dopo_ = 0;
    bool attivo_ = false;
    int tentate_ = 0;
    int faultStep_ = 0;
    Fault fault_ = Fault::Fail;
    std::vector<std::string> trail_;
};

}  // namespace zelvo
