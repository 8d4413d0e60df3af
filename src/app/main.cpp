// Zelvo: the window, the real platform and the start-up.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <memory>

#include "app/desktop.h"
#include "app/qt_dialogs.h"
#include "app/qt_scheduler.h"
#include "app/single_instance.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "session/session.h"
#include "ui/qt/game_windows.h"
#ifdef ZELVO_HAVE_MEDIA
#include "app/audio_output.h"
#include "platform/media/mixer.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zelvo");
    QGuiApplication::setDesktopFileName(ZELVO_DESKTOP_ID);
    zelvo::speakItalian(app);

    zelvo::QtScheduler scheduler;
    zelvo::SystemClock clock;
    zelvo::DateTime ora = clock.now();
    // The generator is seeded from the clock when the window loads.
    zelvo::SeededRandom random(static_cast<uint64_t>(ora.hour * 3600 + ora.minute * 60 + ora.second) ^
                               static_cast<uint64_t>(scheduler.nowMs()));
    // An installed game finds its data beside its own folder first, wherever it was installed.
    zelvo::DataRoots roots = zelvo::DataRoots::ofThisMachine();
    const QDir beside(QCoreApplication::applicationDirPath() + "/" + ZELVO_DATA_FROM_BIN);
    if (beside.exists()) roots.content.insert(roots.content.begin(), beside.canonicalPath().toStdString());
    // The icon of the desktop's theme; run from the build tree, the one the build drew.
    QIcon icon = QIcon::fromTheme("zelvo");
    for (const std::string& root : roots.content)
        if (icon.isNull() && QFile::exists(QString::fromStdString(root) + "/../icons/hicolor/256x256/apps/zelvo.png"))
            icon = QIcon(QString::fromStdString(root) + "/../icons/hicolor/256x256/apps/zelvo.png");
    QApplication::setWindowIcon(icon);
    zelvo::FileSystem files(std::move(roots));

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

    auto realPath = [&files](const std::string& path) { return QString::fromStdString(files.real(path)); };
    // The title window comes first; an accepted name opens the table. Closing the table or a
    // termination signal says goodbye as "Esci" does, settings saved; a logout saves them first.
    zelvo::GameWindows windows(platform, realPath);
    windows.quit = [] { QCoreApplication::exit(0); };
    zelvo::onTerminationSignals(app, [&windows] { windows.closeRequested(); });
    zelvo::onSessionCommit(app, [&windows] { windows.keepSettings(); });
    scheduler.afterEveryTick = [&windows](const zelvo::Timer& t) {
        // The impatience clock ticks four times a second while the player thinks, and until it
        // speaks (its count back to 0) a tick only counts: nothing on the table has changed.
        const zelvo::Session& session = windows.session();
        if (&t == &session.t.TimerImpazienza && session.m.sounds.lblContaImpaz != 0) return;
        windows.repaint();
    };
    windows.start();
    const int rc = app.exec();
    scheduler.afterEveryTick = nullptr;
    return rc;
}
