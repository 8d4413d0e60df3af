// zelvo-shots OUTDIR: pictures of every screen of the game, drawn by the real
// windows on Qt's offscreen platform over a data folder of its own, through a
// scripted run on the virtual clock: the title window, a game with its tricks,
// the four panels, the rules pages, the award ceremony, the end of a game and of
// the match, a review, the exit frame and the farewell. Each screen is written
// at 1366×768, and at 2560×1440 with a device pixel ratio of 2.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/headless.h"
#include "session/session.h"
#include "ui/qt/game_windows.h"
#include "ui/qt/table_view.h"
#include "ui/qt/title_view.h"
#include "ui/table_geometry.h"
#include "ui/window_routines.h"

using namespace zelvo;

namespace {

struct Failure {
    std::string what;
};

class Script {
public:
    Script(const QString& out, const std::string& userFolder)
        : out_(out), files_(rootsFor(userFolder)) {
        h_.platform.files = &files_;
        h_.platform.dialogs = &dialogs_;
        windows_ = std::make_unique<GameWindows>(
            h_.platform, [this](const std::string& p) { return QString::fromStdString(files_.real(p)); });
        windows_->quit = [this] { closed_ = true; };
        h_.scheduler.afterTick = [this] { windows_->repaint(); };
    }

    void run() {
        windows_->start();
        QWidget& title = windows_->titleView();
        title.resize(1366, 768);
        advance(6 * 450);  // the four symbols come in
        shoot(title, "01-title");
        QTest::keyClicks(windows_->titleView().nameEntry(), "Maria Antonietta Bellavista");
        QTest::keyClick(windows_->titleView().nameEntry(), Qt::Key_Return);
        if (!table().isVisible()) throw Failure{"the name did not open the table"};
        table().resize(1366, 768);
        advance(9 * 450);  // the deal
        shoot(table(), "02-table-after-deal");

        // A short match with the ceremony after every game, and a first look at the options.
        menu(menu::Options);
        option(Option::MatchEnd, "Al meglio di 3 Giochi");
        option(Option::Ceremony, "Al termine di ogni Gioco");
        shoot(table(), "03-options-panel");
        menu(menu::Options);

        // A trick with both cards down: the keys play the human's cards.
        waitFor("the human's turn", [&] { return humanMayPlay(); });
        QTest::keyClick(&table(), Qt::Key_1);
        waitFor("both cards on the table", [&] { return s().t.TimerEffettuaLaPresa.enabled(); });
        shoot(table(), "04-trick");

        // The taking by hand (set while no trick waits for its taking).
        waitFor("the trick taken", [&] { return !s().t.TimerEffettuaLaPresa.enabled(); });
        menu(menu::Options);
        option(Option::AutoTaking, "No");
        menu(menu::Options);
        waitFor("the taking button", [&] {
            if (humanMayPlay()) QTest::keyClick(&table(), Qt::Key_2);
            return s().m.window.cmdEffettuaLaPresa.Visible;
        });
        shoot(table(), "05-taking-button");
        QTest::keyClick(&table(), Qt::Key_Return);

        menu(menu::Partita);
        shoot(table(), "06-match-panel");
        menu(menu::Dati);
        shoot(table(), "07-data-panel");
        menu(menu::Albo);
        shoot(table(), "08-hall-of-fame");
        menu(menu::Albo);
        menu(menu::Dati);
        for (int page = 1; page <= 5; ++page) {
            shoot(table(), "09-rules-page-" + std::to_string(page));
            click(geometry::RULES_CAPTION);
        }

        // Games to the end of the match, with the ceremony of the first and the end of each.
        bool ceremony = false, firstEnd = false;
        for (int game = 1; game <= 9 && !matchOver(); ++game) {
            waitFor("the end of a game", [&] {
                if (!ceremony && s().t.TimerBandiera.enabled() && s().m.game.lblcontatorebandiera >= 6) {
                    shoot(table(), "10-award-ceremony");
                    ceremony = true;
                }
                playOn();
                return s().m.window.fraFineGioco.Visible && !s().t.TimerBandiera.enabled();
            });
            if (matchOver()) break;
            if (!firstEnd) shoot(table(), "11-end-of-game");
            firstEnd = true;
            QTest::keyClick(&table(), Qt::Key_Return);
        }
        if (!matchOver()) throw Failure{"the match did not end"};
        shoot(table(), "12-match-end");

        // The last game saved, an open cancelled, and its review stepped by Enter.
        menu(menu::Albo);
        shoot(table(), "13-end-of-match-frame");
        dialogs_.answer(files_.realForWriting("C:\\Programmi\\Zelvo\\Archivio\\001-02.txt"));
        click(geometry::endChoice(s().m.window.fraFineGioco, 2));
        dialogs_.answer(std::nullopt);
        click(geometry::endChoice(s().m.window.fraFineGioco, 0));
        if (!s().m.window.cmdScegliManche.focus) throw Failure{"the review did not take the focus"};
        shoot(table(), "14-review-start");
        for (int k = 0; k < 9; ++k) QTest::keyClick(&table(), Qt::Key_Return);
        shoot(table(), "15-review-in-progress");
        click(geometry::reviewButton(2));  // back to the game
        advance(9 * 450);

        // The exit frame, Esc to stay, then the window's close button says goodbye.
        menu(menu::Esci);
        shoot(table(), "16-exit-frame");
        QTest::keyClick(&table(), Qt::Key_Escape);
        table().close();
        advance(300);
        shoot(table(), "17-farewell");
        waitFor("the window to close", [&] { return closed_; });
        if (table().isVisible()) throw Failure{"the table stayed open"};
        // The farewell saved the settings of this run.
        const auto settings = files_.read(files_.real("C:\\Programmi\\Zelvo\\Dati\\ZlvImpo.txt"));
        if (!settings || settings->find("Al meglio di 3 Giochi") == std::string::npos)
            throw Failure{"the settings were not saved on closing"};
    }

    int pictures() const { return pictures_; }

private:
    static DataRoots rootsFor(const std::string& user) {
        DataRoots r = DataRoots::ofThisMachine();
        r.user = user;
        return r;
    }
    Session& s() { return windows_->session(); }
    TableView& table() { return windows_->table(); }
    bool humanMayPlay() {
        const GameAndMatch& g = s().m.game;
        return g.lblAChiTocca == Who::H && g.lblGiocoInCorso && g.lblPuoiGiocare &&
               !s().t.TimerAnimazionecartePC.enabled();
    }
    bool matchOver() { return s().m.window.fraFineGioco.Visible && !s().m.game.lblPartitaInCorso; }

    // Plays whatever the human is asked for: the first card in hand, or the taking.
    void playOn() {
        if (humanMayPlay())
            for (int k = 1; k <= 3; ++k)
                if (!s().m.cards.lblCarta[3 + k].empty() && s().m.window.ImgCarta[3 + k].Visible) {
                    QTest::keyClick(&table(), static_cast<Qt::Key>(Qt::Key_0 + k));
                    break;
                }
        if (s().m.window.cmdEffettuaLaPresa.Visible) QTest::keyClick(&table(), Qt::Key_Return);
    }

    // The windows paint only when a picture is taken: the repaints the ticks ask for wait till then.
    void advance(int ms) { h_.scheduler.advance(ms); }
    // Virtual time runs on in small steps until `done`; ten virtual minutes is a stuck script.
    void waitFor(const char* what, const std::function<bool()>& done) {
        for (int ms = 0; ms < 600000; ms += 20) {
            if (done()) return;
            advance(20);
        }
        throw Failure{std::string("waited in vain for ") + what};
    }

    // A point of the table in twips, where the table lies in the window.
    QPoint at(double x, double y) {
        const double k = std::min(table().width() / geometry::WIDTH, table().height() / geometry::HEIGHT);
        return QPoint(int((table().width() - geometry::WIDTH * k) / 2 + x * k),
                      int((table().height() - geometry::HEIGHT * k) / 2 + y * k));
    }
    void click(const geometry::Rect& r) {
        QTest::mouseClick(&table(), Qt::LeftButton, {}, at(r.left + r.width / 2, r.top + r.height / 2));
        QCoreApplication::processEvents();
    }
    void menu(int entry) { click(geometry::menuEntry(entry)); }
    // Clicks an option's caption until it shows `value`.
    void option(Option o, const std::string& value) {
        for (int k = 0; k < 30 && s().m.options.text(o) != value; ++k) click(geometry::optionCaption(index(o)));
        if (s().m.options.text(o) != value) throw Failure{"the option did not reach " + value};
    }

    // The window as it is, at both sizes.
    void shoot(QWidget& w, const std::string& name) {
        struct Size {
            int width, height;
            double ratio;
            const char* suffix;
        };
        for (const Size& z : {Size{1366, 768, 1, "1366x768"}, Size{1280, 720, 2, "2560x1440"}}) {
            w.resize(z.width, z.height);
            QCoreApplication::processEvents();
            QPixmap picture(QSize(z.width, z.height) * z.ratio);
            picture.setDevicePixelRatio(z.ratio);
            picture.fill(Qt::black);
            w.render(&picture);
            const QString file = out_ + "/" + QString::fromStdString(name) + "-" + z.suffix + ".png";
            if (!picture.save(file)) throw Failure{"cannot write " + file.toStdString()};
            ++pictures_;
        }
        w.resize(1366, 768);
        QCoreApplication::processEvents();
    }

    QString out_;
    Headless h_{7};
    FileSystem files_;
    TestDialogs dialogs_;
    std::unique_ptr<GameWindows> windows_;
    bool closed_ = false;
    int pictures_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zelvo-shots OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir user;
    if (!QDir().mkpath(out) || !user.isValid()) {
        std::fprintf(stderr, "zelvo-shots: cannot make %s or a data folder\n", argv[1]);
        return 1;
    }
    try {
        Script script(out, user.path().toStdString());
        script.run();
        std::printf("zelvo-shots: %d pictures in %s\n", script.pictures(), argv[1]);
    } catch (const Failure& f) {
        std::fprintf(stderr, "zelvo-shots: %s\n", f.what.c_str());
        return 1;
    }
    return 0;
}
