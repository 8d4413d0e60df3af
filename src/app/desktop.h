#pragma once
// What the desktop asks of the program: Qt's own texts in Italian, the session's
// request to keep what it holds before logging out, and termination signals.
#include <functional>

class QApplication;

namespace zelvo {

// Loads Qt's Italian translations, so its own dialogs and buttons speak Italian.
void speakItalian(QApplication& app);

// `keep` runs when the desktop session asks the program to keep its data (before a
// logout, which then ends the program its own way).
void onSessionCommit(QApplication& app, std::function<void()> keep);
// `end` runs on the window thread each time SIGTERM, SIGINT or SIGHUP arrives.
void onTerminationSignals(QApplication& app, std::function<void()> end);

}  // namespace zelvo
