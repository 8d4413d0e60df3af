// One game at a time: only a lock held by a running game keeps another out.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <optional>

#include "app/single_instance.h"
#include "support/files.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using Outcome = SingleInstance::Outcome;

// Whatever is found where the lock file goes, no game holding it, the start goes
// on; what stood in the way is kept aside, not lost.
TEST(SingleInstance, NothingButARunningGameKeepsAStartOut) {
    for (int found = 0; found < 6; ++found) {
        test::TempFolder d;
        const std::string folder = d.path + (found == 5 ? "/zelvo/deeper" : ""), lock = d.path + "/zelvo.lock";
        if (found == 1) test::writeFile(lock, "99999999\nnot a game\n\x01\x02");
        if (found == 2 || found == 3) test::put(lock, found == 2 ? test::Thing::Folder : test::Thing::Pipe);
        if (found == 4) fs::create_symlink(d.path + "/nowhere", lock);
        std::optional<SingleInstance> first;
        ASSERT_EQ(first.emplace().acquire(folder), Outcome::Acquired) << found;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder + "/zelvo.lock")));
        EXPECT_EQ(test::readFile(folder + "/zelvo.lock"), std::to_string(::getpid()) + "\n");
        EXPECT_EQ(SingleInstance().acquire(folder), Outcome::AlreadyRunning);  // while the first runs
        first.reset();
        EXPECT_EQ(SingleInstance().acquire(folder), Outcome::Acquired);
        EXPECT_EQ(fs::is_directory(lock + "." + std::to_string(::getpid()) + ".bak/inside"), found == 2);
    }
}

// A game alive in another process keeps a start out; one that was killed does not.
TEST(SingleInstance, ADeadOwnerLetsGoAtOnce) {
    test::TempFolder d;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        SingleInstance owner;
        const char c = owner.acquire(d.path) == Outcome::Acquired ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        ::pause();  // until it is killed
    }
    char c = 0;
    ASSERT_TRUE(::read(ready[0], &c, 1) == 1 && c == 'y');
    EXPECT_EQ(SingleInstance().acquire(d.path), Outcome::AlreadyRunning);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(SingleInstance().acquire(d.path), Outcome::Acquired);
    for (int p : ready) ::close(p);
}

}  // namespace
}  // namespace zelvo
