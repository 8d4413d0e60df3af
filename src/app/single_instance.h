#pragma once
// One game at a time: two windows would each write the records they loaded, and
// the matches of one would be lost.
//
// The lock is the operating system's lock on the file "zelvo.lock" in the
// user's folder, held for as long as the process lives: a process that dies
// lets go of it at once, and what the file holds does not matter. Only a
// running game keeps another out; anything else in the way (a folder of that
// name, a link, a pipe) is put aside, and a folder that cannot hold a lock at
// all does not stop the game either.
#include <string>

namespace zelvo {

class SingleInstance {
public:
    enum class Outcome { Acquired, AlreadyRunning, Unavailable };

    SingleInstance() = default;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    // Lets go of the lock; the file stays, so that no other process can lock a
    // second file of the same name.
    ~SingleInstance();

    // Takes the lock in `folder`, created when missing.
    Outcome acquire(const std::string& folder);

private:
    int fd_ = -1;
};

}  // namespace zelvo
