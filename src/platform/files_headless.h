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
    // Content and user files both below `folder` (content/ and utente/).
    explicit TestFileSystem(const std::string& folder)
        : FileSystem(DataRoots{{folder + "/contenuto"}, folder + "/utente"}) {}

    enum class FailingStep { None, Open, Write, Sync, Rename };
    // After `after` good atomic writes, the next `times` atomic writes fail at that
    // step (then it heals).
    void failWrites(FailingStep step, int times = 1, int after = 0) {
        failing_ = step;
        times_ = times;
        after_ = after;
    }

    bool write(const std::string& path, std::string_view content) override {
        active_ = failing_ != FailingStep::None && after_ == 0;
        if (failing_ != FailingStep::None && after_ > 0) --after_;
        bool r = FileSystem::write(path, content);
        if (active_ && --times_ <= 0) failing_ = FailingStep::None;
        active_ = false;
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
        if (!active_) return true;
        switch (failing_) {
            case FailingStep::None: return true;
            case FailingStep::Open: return s != Step::Open;
            case FailingStep::Write: return s != Step::Write;
            case FailingStep::Sync: return s != Step::Sync;
            case FailingStep::Rename: return s != Step::Rename;
        }
        return true;
    }

private:
    FailingStep failing_ = FailingStep::None;
    int times_ = 0;
    int after_ = 0;
    bool active_ = false;
    int faultStep_ = 0;
    Fault fault_ = Fault::Fail;
    std::vector<std::string> trail_;
};

}  // namespace zelvo
