// One game at a time: only a lock held by a running game keeps another out.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/single_instance.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using Outcome = SingleInstance::Outcome;

struct Folder {
    Folder() {
        char pattern[] = "/tmp/zelvo-lock-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~Folder() { fs::remove_all(path); }
    std::string lock() const { return path + "/zelvo.lock"; }
    std::string path;
};

// Whatever is found where the lock file goes, no game holding it: the start goes on.
TEST(SingleInstance, NothingButARunningGameKeepsAStartOut) {
    enum class Found { Nothing, EmptyFile, Garbage, Folder, Pipe, DanglingLink, NoFolderYet };
    for (Found f : {Found::Nothing, Found::EmptyFile, Found::Garbage, Found::Folder, Found::Pipe, Found::DanglingLink,
                    Found::NoFolderYet}) {
        SCOPED_TRACE(static_cast<int>(f));
        Folder d;
        std::string folder = d.path;
        switch (f) {
            case Found::Nothing: break;
            case Found::EmptyFile: std::ofstream(d.lock()).flush(); break;
            case Found::Garbage: std::ofstream(d.lock()) << "99999999\nnot a game\n\x01\x02"; break;
            case Found::Folder: fs::create_directories(d.lock() + "/inside"); break;
            case Found::Pipe: ASSERT_EQ(::mkfifo(d.lock().c_str(), 0644), 0); break;
            case Found::DanglingLink: fs::create_symlink(d.path + "/nowhere", d.lock()); break;
            case Found::NoFolderYet: folder += "/zelvo/deeper"; break;
        }
        std::optional<SingleInstance> first;
        first.emplace();
        ASSERT_EQ(first->acquire(folder), Outcome::Acquired);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder + "/zelvo.lock")));
        // While it runs, a second start is kept out; once it has gone, one gets in.
        {
            SingleInstance second;
            EXPECT_EQ(second.acquire(folder), Outcome::AlreadyRunning);
        }
        first.reset();
        SingleInstance third;
        EXPECT_EQ(third.acquire(folder), Outcome::Acquired);
        // What stood in the way is kept aside, not lost.
        if (f == Found::Folder) {
            EXPECT_TRUE(fs::is_directory(d.lock() + "." + std::to_string(::getpid()) + ".bak/inside"));
        }
    }
}

// A game that is alive in another process keeps a start out; one that died,
// however it died, does not.
TEST(SingleInstance, ADeadOwnerLetsGoAtOnce) {
    Folder d;
    int ready[2], stop[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(stop), 0);
    pid_t child = ::fork();
    if (child == 0) {
        SingleInstance owner;
        char c = owner.acquire(d.path) == Outcome::Acquired ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        (void)!::read(stop[0], &c, 1);  // until the parent has looked
        ::raise(SIGKILL);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    {
        SingleInstance second;
        EXPECT_EQ(second.acquire(d.path), Outcome::AlreadyRunning);
    }
    (void)!::write(stop[1], &c, 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    SingleInstance after;
    EXPECT_EQ(after.acquire(d.path), Outcome::Acquired);
    for (int p : {ready[0], ready[1], stop[0], stop[1]}) ::close(p);
}

}  // namespace
}  // namespace zelvo
