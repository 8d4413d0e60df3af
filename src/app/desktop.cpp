#include "app/desktop.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTranslator>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace zelvo {

void speakItalian(QApplication& app) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qtbase", "qtmultimedia"}) {
        auto* t = new QTranslator(&app);
        if (t->load(italian, catalogue, "_", folder)) app.installTranslator(t);
        else delete t;
    }
}

namespace {

// A signal handler may only write to a descriptor: the window thread reads the other end.
int signalPipe[2] = {-1, -1};

extern "C" void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void onSessionCommit(QApplication& app, std::function<void()> keep) {
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [keep](QSessionManager&) { keep(); });
}

void onTerminationSignals(QApplication& app, std::function<void()> end) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [end] {
        char byte;
        if (::read(signalPipe[1], &byte, 1) == 1) end();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &action, nullptr);
}

}  // namespace zelvo
