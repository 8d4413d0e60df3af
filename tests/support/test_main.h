#pragma once
// A session with the window's routines, as the tests drive the main window.
#include "session/session.h"
#include "ui/window_routines.h"

namespace zelvo {

struct TestMain : Session {
    explicit TestMain(Platform& p) : Session(p) {}
    WindowRoutines routines{*this};
    // The window's load step and its Enter key.
    void Form_Load() { routines.Form_Load(); }
    void tastoInvio() { routines.tastoInvio(); }
    Look look() { return Look(m.window, m.cards, m.options, m.data); }
};

}  // namespace zelvo
