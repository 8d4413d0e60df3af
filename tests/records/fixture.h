#pragma once
// A main window on the headless platform with real files below a folder of
// the test's own, scripted file dialogs, and the golden files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <memory>

#include "platform/dialogs.h"
#include "platform/files_headless.h"
#include "platform/headless.h"
#include "platform/media.h"
#include "support/files.h"
#include "support/test_main.h"

namespace zelvo::test {

inline std::string golden(const std::string& name) {
    return readFile(std::string(ZELVO_SOURCE_DIR) + "/tests/records/golden/" + name);
}

// The first `n` lines of a text (CR LF line ends), or the text with line `n` (1-based) replaced.
inline std::string firstLines(const std::string& s, int n) {
    size_t pos = 0;
    for (int r = 0; r < n; ++r) pos = s.find('\n', pos) + 1;
    return s.substr(0, pos);
}
inline std::string withLine(const std::string& s, int n, const std::string& with) {
    const std::string head = firstLines(s, n - 1);
    return head + with + s.substr(s.find('\r', head.size()));
}

// Runs `body` in a child process: true when it ran to its end, false when it
// was killed. Nothing of the child outlives it but what it wrote to the disk.
inline bool ranToEnd(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) || WTERMSIG(status) == SIGKILL) << "the child died of signal " << WTERMSIG(status);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Bench {
    explicit Bench(uint64_t seed = 1, DateTime start = {2026, 12, 5, 20, 30, 0}) : h(seed, start), fs(folder.path) {
        h.platform.files = &fs;
        h.platform.dialogs = &dialogs;
        h.platform.media = &media;
        w = std::make_unique<TestMain>(h.platform);
    }
    std::string data(const std::string& name = "") const { return folder.path + "/utente/Dati/" + name; }
    std::string archive(const std::string& name = "") const { return folder.path + "/utente/Archivio/" + name; }

    TempFolder folder;
    Headless h;
    TestFileSystem fs;
    TestDialogs dialogs;
    MediaLog media;
    std::unique_ptr<TestMain> w;
};

}  // namespace zelvo::test
