#pragma once
// The two windows of the game over one platform: the title window first, then
// the table, which gets the accepted name. A request to close the table (its
// close button, the end of the desktop session, a termination signal) runs the
// farewell of "Esci" first; the program ends when the farewell is over.
#include <QString>
#include <functional>
#include <memory>
#include <string>

namespace zelvo {

struct Platform;
class Session;
class WindowRoutines;
class TitleWindow;
class TitleView;
class TableView;

class GameWindows {
public:
    // `realPath` maps a path of the game's data root to the real file.
    GameWindows(Platform& p, std::function<QString(const std::string&)> realPath);
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    // The title window's load step, and the window shows.
    void start();
    // Someone outside the windows asks the program to end: before the table shows
    // it ends at once; at the table the farewell runs first.
    void closeRequested();
    // The settings as they stand go to the settings file, once the table has loaded them.
    void keepSettings();
    // Repaints the window that shows (after every timer tick).
    void repaint();

    // What ends the program once the table has said goodbye (or the title window was closed).
    std::function<void()> quit;

    Session& session() { return *session_; }
    WindowRoutines& routines() { return *routines_; }
    TitleWindow& title() { return *title_; }
    TitleView& titleView() { return *titleView_; }
    TableView& table() { return *table_; }

private:
    std::unique_ptr<Session> session_;
    std::unique_ptr<WindowRoutines> routines_;
    std::unique_ptr<TableView> table_;
    std::unique_ptr<TitleWindow> title_;
    std::unique_ptr<TitleView> titleView_;
};

}  // namespace zelvo
