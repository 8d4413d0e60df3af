#include "ui/qt/game_windows.h"

#include "session/session.h"
#include "ui/qt/table_view.h"
#include "ui/qt/title_view.h"
#include "ui/title_window.h"
#include "ui/window_routines.h"

namespace zelvo {

GameWindows::GameWindows(Platform& p, std::function<QString(const std::string&)> realPath)
    : session_(std::make_unique<Session>(p)),
      routines_(std::make_unique<WindowRoutines>(*session_)),
      table_(std::make_unique<TableView>(*session_, *routines_, realPath)) {
    // An accepted name opens the table, whose load step runs before the name and the sex arrive.
    title_ = std::make_unique<TitleWindow>(p, [this](const std::string& name, const std::string& sex) {
        routines_->Form_Load();
        session_->PassaAlTavolo(name, sex);
        table_->resize(table_->sizeHint());
        table_->show();
        table_->activateWindow();
        titleView_->hide();
    });
    titleView_ = std::make_unique<TitleView>(*title_, realPath);
    // The farewell is over: the table closes for good and the program ends.
    routines_->uscita = [this] {
        table_->closeForGood();
        if (quit) quit();
    };
}

GameWindows::~GameWindows() = default;

void GameWindows::start() {
    title_->Form_Load();
    titleView_->refreshEntry();
    titleView_->resize(titleView_->sizeHint());
    titleView_->show();
}

void GameWindows::closeRequested() {
    if (table_->isVisible()) routines_->closeRequested();
    else if (quit) quit();
    repaint();
}

void GameWindows::keepSettings() {
    if (table_->isVisible()) session_->SalvaImpostazioni();
}

void GameWindows::repaint() {
    if (table_->isVisible()) table_->update();
    else titleView_->update();
}

}  // namespace zelvo
