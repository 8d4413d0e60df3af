#pragma once
// What the core asks of the outside world. The headless set serves tests and
// tools; the application supplies the real one.
namespace zelvo {

class Scheduler;
class Clock;
class Random;
class MediaPlayers;
class FileSystem;
class Dialogs;

struct Platform {
    Scheduler& scheduler;
    Clock& clock;
    Random& random;
    MediaPlayers* media = nullptr;   // none: silence
    FileSystem* files = nullptr;     // none: nothing is read or written
    Dialogs* dialogs = nullptr;      // none: every dialog is cancelled
};

}  // namespace zelvo
