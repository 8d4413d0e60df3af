#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace zelvo {

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) ::close(fd_);
}

SingleInstance::Outcome SingleInstance::acquire(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string path = folder + "/zelvo.lock";
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Never through a link, never waiting on a pipe.
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
        struct stat st{};
        if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                // The owner's number, for a person who looks; the lock itself is the kernel's.
                const std::string pid = std::to_string(::getpid()) + "\n";
                if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, pid.data(), pid.size(), 0);
                fd_ = fd;
                return Outcome::Acquired;
            }
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Outcome::AlreadyRunning : Outcome::Unavailable;
        }
        if (fd >= 0) ::close(fd);
        // Something that is no lock file stands in the way: it goes aside, once.
        struct stat there{};
        if (attempt > 0 || ::lstat(path.c_str(), &there) != 0 || S_ISREG(there.st_mode)) break;
        if (::rename(path.c_str(), (path + "." + std::to_string(::getpid()) + ".bak").c_str()) != 0) break;
    }
    return Outcome::Unavailable;
}

}  // namespace zelvo
