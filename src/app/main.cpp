// Zelvo: the window, the real platform and the start-up.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "app/qt_dialogs.h"
#include "app/qt_scheduler.h"
#include "app/single_instance.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "session/session.h"
#include "ui/qt/table_view.h"
#include "ui/qt/title_view.h"
#include "ui/title_window.h"
#include "ui/window_routines.h"
#ifdef ZELVO_HAVE_MEDIA
#include "app/audio_output.h"
#include "platform/media/mixer.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zelvo");

    zelvo::QtScheduler scheduler;
    zelvo::SystemClock clock;
    zelvo::DateTime ora = clock.now();
    // The generator is seeded from the clock when the window loads.
    zelvo::SeededRandom random(static_cast<uint64_t>(ora.hour * 3600 + ora.minute * 60 + ora.second) ^
                               static_cast<uint64_t>(scheduler.nowMs()));
    zelvo::FileSystem files(zelvo::DataRoots::ofThisMachine());

    zelvo::SingleInstance instance;
    if (instance.acquire(files.roots().user) == zelvo::SingleInstance::Outcome::AlreadyRunning) {
        QMessageBox::information(nullptr, "Zelvo",
                                 QString::fromUtf8("Zelvo è già aperto: continua la partita in quella finestra."));
        return 0;
    }
    zelvo::Platform platform{scheduler, clock, random};
    platform.files = &files;
    zelvo::QtDialogs dialoghi;
    platform.dialogs = &dialoghi;

#ifdef ZELVO_HAVE_MEDIA
    // The five players mix into the audio device; files are found through the data root.
    // The synthesiser and its soundfont are loaded only when a device opens.
    zelvo::media::Mixer mixer([&files](const std::string& path) { return files.real(path); });
    zelvo::AudioOutput audioOutput(mixer);
    std::unique_ptr<zelvo::media::AsyncPlayers> players;
    if (audioOutput.start()) {
        players = std::make_unique<zelvo::media::AsyncPlayers>(mixer);
        platform.media = players.get();
    }
#endif

    auto session = std::make_unique<zelvo::Session>(platform);
    zelvo::WindowRoutines routines(*session);
    auto realPath = [&files](const std::string& path) { return QString::fromStdString(files.real(path)); };
    zelvo::TableView table(*session, routines, realPath);
    routines.uscita = [&] { QTimer::singleShot(0, &app, &QApplication::quit); };

    // The title window comes first; an accepted name opens the table, whose load step runs
    // before the name and the sex arrive.
    std::unique_ptr<zelvo::TitleView> titleView;
    zelvo::TitleWindow title(platform, [&](const std::string& name, const std::string& sex) {
        routines.Form_Load();
        session->PassaAlTavolo(name, sex);
        table.resize(table.sizeHint());
        table.show();
        table.activateWindow();
        titleView->hide();
    });
    titleView = std::make_unique<zelvo::TitleView>(title, realPath);
    scheduler.afterEveryTick = [&](const zelvo::Timer& t) {
        // The impatience clock ticks four times a second while the player thinks, and until it
        // speaks (its count back to 0) a tick only counts: nothing on the table has changed.
        if (&t == &session->t.TimerImpazienza && session->m.sounds.lblContaImpaz != 0) return;
        if (table.isVisible()) table.update();
        else titleView->update();
    };
    title.Form_Load();
    titleView->refreshEntry();
    titleView->resize(titleView->sizeHint());
    titleView->show();
    int rc = app.exec();
    session.reset();  // the timers go before the scheduler
    return rc;
}
