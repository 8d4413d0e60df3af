// Zelvo: the window, the real platform and the start-up.
#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "app/qt_dialogs.h"
#include "app/qt_scheduler.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "ui/principale.h"
#include "ui/qt/tavolo_view.h"
#include "ui/qt/titolo_view.h"
#include "ui/titolo.h"
#ifdef ZELVO_HAVE_MEDIA
#include "app/uscita_audio.h"
#include "platform/media/mixer.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zelvo");

    zelvo::QtScheduler scheduler;
    zelvo::SystemClock clock;
    zelvo::DataOra ora = clock.now();
    // The generator is seeded from the clock when the window loads.
    zelvo::SeededRandom random(static_cast<uint64_t>(ora.ora * 3600 + ora.minuto * 60 + ora.secondo) ^
                               static_cast<uint64_t>(scheduler.nowMs()));
    zelvo::FileSystem files(zelvo::RadiciDati::diSistema());

    // One game at a time: two windows would each write the records they loaded, and the
    // matches of one would be lost.
    QDir().mkpath(QString::fromStdString(files.radici().utente));
    QLockFile blocco(QString::fromStdString(files.radici().utente + "/zelvo.lock"));
    // Only another running game keeps this one out; a folder that cannot hold the lock does not.
    if (!blocco.tryLock(200) && blocco.error() == QLockFile::LockFailedError) {
        QMessageBox::information(nullptr, "Zelvo",
                                 QString::fromUtf8("Zelvo è già aperto: continua la partita in quella finestra."));
        return 0;
    }
    zelvo::Piattaforma piattaforma{scheduler, clock, random};
    piattaforma.files = &files;
    zelvo::QtDialogs dialoghi;
    piattaforma.dialogs = &dialoghi;

#ifdef ZELVO_HAVE_MEDIA
    // The five players mix into the audio device; files are found through the data root.
    // The synthesiser and its soundfont are loaded only when a device opens.
    zelvo::media::Mixer mixer([&files](const std::string& percorso) { return files.reale(percorso); });
    zelvo::UscitaAudio uscita(mixer);
    std::unique_ptr<zelvo::media::LettoreAsincrono> lettori;
    if (uscita.avvia()) {
        lettori = std::make_unique<zelvo::media::LettoreAsincrono>(mixer);
        piattaforma.media = lettori.get();
    }
#endif

    auto w = std::make_unique<zelvo::Principale>(piattaforma);
    auto percorsoReale = [&files](const std::string& percorso) { return QString::fromStdString(files.reale(percorso)); };
    zelvo::TavoloView tavolo(*w, percorsoReale);
    w->finestra.uscita = [&] { QTimer::singleShot(0, &app, &QApplication::quit); };

    // The title window comes first; an accepted name opens the table, whose load step runs
    // before the name and the sex arrive.
    std::unique_ptr<zelvo::TitoloView> titoloView;
    zelvo::FinestraTitolo titolo(piattaforma, [&](const std::string& nome, const std::string& sesso) {
        w->Form_Load();
        w->PassaAlTavolo(nome, sesso);
        tavolo.resize(tavolo.sizeHint());
        tavolo.show();
        tavolo.activateWindow();
        titoloView->hide();
    });
    titoloView = std::make_unique<zelvo::TitoloView>(titolo, percorsoReale);
    scheduler.dopoOgniTick = [&](const zelvo::Timer& t) {
        // The impatience clock ticks four times a second while the player thinks, and until it
        // speaks (its count back to 0) a tick only counts: nothing on the table has changed.
        if (&t == &w->t.TimerImpazienza && w->m.suoni.lblContaImpaz != 0) return;
        if (tavolo.isVisible()) tavolo.update();
        else titoloView->update();
    };
    titolo.Form_Load();
    titoloView->aggiornaCampo();
    titoloView->resize(titoloView->sizeHint());
    titoloView->show();
    int rc = app.exec();
    w.reset();  // the timers go before the scheduler
    return rc;
}
