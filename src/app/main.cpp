// Zelvo: the window, the real platform and the start-up.
#include <QApplication>
#include <QInputDialog>
#include <QTimer>
#include <memory>

#include "app/qt_dialogs.h"
#include "app/qt_scheduler.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "ui/principale.h"
#include "ui/qt/tavolo_view.h"
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
    zelvo::Piattaforma piattaforma{scheduler, clock, random};
    piattaforma.files = &files;
    zelvo::QtDialogs dialoghi;
    piattaforma.dialogs = &dialoghi;

#ifdef ZELVO_HAVE_MEDIA
    // The five players mix into the audio device; files are found through the data root.
    zelvo::media::Mixer mixer([&files](const std::string& percorso) { return files.reale(percorso); });
    zelvo::media::LettoreAsincrono lettori(mixer);
    zelvo::UscitaAudio uscita(mixer);
    if (uscita.avvia()) piattaforma.media = &lettori;
#endif

    auto w = std::make_unique<zelvo::Principale>(piattaforma);

    // Until the title window is drawn, the name is asked here.
    bool ok = false;
    QString nome = QString::fromLocal8Bit(qgetenv("USER"));
    do {
        nome = QInputDialog::getText(nullptr, "Zelvo", "Come ti chiami? (almeno tre caratteri)", QLineEdit::Normal,
                                     nome, &ok)
                   .trimmed();
        if (!ok) return 0;
    } while (nome.size() < 3);
    w->m.nomeGiocatore = nome.toStdString();

    zelvo::TavoloView view(*w, [&files](const std::string& percorso) {
        return QString::fromStdString(files.reale(percorso));
    });
    scheduler.dopoOgniTick = [&view] { view.update(); };
    w->finestra.uscita = [&] { QTimer::singleShot(0, &app, &QApplication::quit); };
    w->Form_Load();
    view.resize(view.sizeHint());
    view.show();
    int rc = app.exec();
    w.reset();  // the timers go before the scheduler
    return rc;
}
