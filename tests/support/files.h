#pragma once
// Real files for tests: a folder of the test's own, whole files written and read,
// and the strange things a player may leave where a file is expected.
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zelvo::test {

// A new folder under /tmp, removed with all it holds.
struct TempFolder {
    TempFolder() {
        char pattern[] = "/tmp/zelvo-test-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    std::string path;
};

inline std::string readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Writes `bytes` as the whole file, creating its folders.
inline void writeFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// The names in a folder, sorted; none when it is not there.
inline std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> v;
    if (std::filesystem::exists(folder))
        for (const auto& e : std::filesystem::directory_iterator(folder)) v.push_back(e.path().filename());
    std::sort(v.begin(), v.end());
    return v;
}

// What may stand where a file is expected: bytes, nothing, a folder, a named
// pipe, or `bytes` grown past the largest file the game reads (1 MiB).
enum class Thing { Bytes, Missing, Folder, Pipe, Huge };
inline void put(const std::string& path, Thing t, const std::string& bytes = "") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::remove_all(path);
    switch (t) {
        case Thing::Bytes: writeFile(path, bytes); break;
        case Thing::Missing: break;
        case Thing::Folder: std::filesystem::create_directories(path + "/inside"); break;
        case Thing::Pipe: ::mkfifo(path.c_str(), 0644); break;
        case Thing::Huge: writeFile(path, bytes + std::string(std::size_t{1} << 20, '\n')); break;
    }
}

// Runs a shell command: its exit status (-1 when it did not exit) and what it printed.
struct Output {
    int status;
    std::string text;
};
inline Output run(const std::string& command) {
    FILE* p = ::popen(command.c_str(), "r");
    std::string out;
    char buf[4096];
    for (size_t n; p && (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    const int status = p ? ::pclose(p) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

}  // namespace zelvo::test
