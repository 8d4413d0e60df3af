// Makes every picture of the game, and the optional-deck file, from code; beside
// them, the decks' contact sheets and the application icon.
// Usage: zelvo-pictures <data folder> <folder for the PNGs that become GIFs>
//                       <folder for the contact sheets> <hicolor icon folder>
#include <QDir>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "look.h"
#include "formats/text_file.h"

using namespace zelvo::pictures;

namespace {

constexpr char kRanghi[] = {'2', '4', '5', '6', '7', 'F', 'C', 'R', '3', 'A'};
constexpr char kLettereSemi[] = {'d', 'c', 's', 'b'};
constexpr Seme kSemi[] = {Seme::Denari, Seme::Coppe, Seme::Spade, Seme::Bastoni};
constexpr int kQualitaJpeg = 90;

struct Mazzo {
    Maniera maniera;
    const char* cartella;
    char suffisso;
};
constexpr Mazzo kMazzi[] = {
    {Maniera::Piacentine, "Piacenti", '2'},
    {Maniera::Napoletane, "Napoleta", '1'},
    {Maniera::Contrasto, "Opzional", '3'},
};

// Every file is written whole or not at all, so a failed run leaves no half picture behind.
bool salva(const QImage& img, const QString& file, const char* formato, int qualita = -1) {
    QSaveFile f(file);
    if (f.open(QIODevice::WriteOnly) && img.save(&f, formato, qualita) && f.commit()) return true;
    std::fprintf(stderr, "zelvo-pictures: cannot write %s\n", qPrintable(file));
    return false;
}

// The optional-deck file: the third deck is installed, drawn with its own heavy
// border (so the window adds none), and offered under its name.
constexpr const char* kNomeMazzoOpzionale = "Alto Contrasto";

bool scriviFileOpzionale(const QString& file) {
    zelvo::textfile::Writer righe;
    righe.text("Carte Opzionali inserite");
    righe.whole(0);
    righe.text(kNomeMazzoOpzionale);
    const std::string byte = righe.bytes();
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(byte.data(), qint64(byte.size())) == qint64(byte.size()) && f.commit();
}

// The icon in the usual hicolor sizes, and once as a drawing any size can be made from.
constexpr int kMisureIcona[] = {16, 32, 48, 64, 128, 256};

bool scriviIcone(const QDir& radice) {
    bool ok = true;
    for (int misura : kMisureIcona) {
        const QString cartella = QString("%1x%1/apps").arg(misura);
        radice.mkpath(cartella);
        ok &= salva(drawIcon(misura), radice.filePath(cartella + "/zelvo.png"), "PNG");
    }
    radice.mkpath("scalable/apps");
    const QString svg = radice.filePath("scalable/apps/zelvo.svg");
    QSvgGenerator generatore;
    generatore.setFileName(svg + ".part");
    generatore.setSize(QSize(256, 256));
    generatore.setViewBox(QRect(0, 0, 256, 256));
    generatore.setTitle("Zelvo");
    QPainter p;
    if (!p.begin(&generatore)) return false;
    paintIcon(p, 256);
    p.end();
    // Written aside and moved into place, so a failed run leaves no half drawing.
    QFile::remove(svg);
    if (!QFile::rename(svg + ".part", svg)) {
        std::fprintf(stderr, "zelvo-pictures: cannot write %s\n", qPrintable(svg));
        ok = false;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: zelvo-pictures <data folder> <png folder> <sheet folder> <icon folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir dati(QString::fromLocal8Bit(argv[1]));
    const QDir png(QString::fromLocal8Bit(argv[2]));
    const QDir fogli(QString::fromLocal8Bit(argv[3]));
    const QDir icone(QString::fromLocal8Bit(argv[4]));
    for (const char* sotto : {"Piacenti", "Napoleta", "Opzional", "Grafica"}) dati.mkpath(sotto);
    png.mkpath(".");
    fogli.mkpath(".");
    bool ok = true;

    for (const Mazzo& m : kMazzi) {
        const Stile& s = stile(m.maniera);
        for (int i = 0; i < 4; ++i)
            for (char r : kRanghi) {
                const QString nome = QString("%1/%2%3%4.jpg").arg(m.cartella).arg(r).arg(kLettereSemi[i]).arg(m.suffisso);
                ok &= salva(disegnaFaccia(s, r, kSemi[i]), dati.filePath(nome), "JPEG", kQualitaJpeg);
            }
    }
    for (const QString& nome : nomiRetro()) ok &= salva(soloPieniEVuoti(disegnaRetro(nome)), png.filePath(nome + ".png"), "PNG");
    const char* simboli[] = {"Den", "Cop", "Spa", "Bas"};
    for (int i = 0; i < 4; ++i) {
        ok &= salva(soloPieniEVuoti(disegnaSimbolo(kSemi[i], Maniera::Napoletane)),
                    png.filePath(QString("%1Nap.png").arg(simboli[i])), "PNG");
        ok &= salva(soloPieniEVuoti(disegnaSimbolo(kSemi[i], Maniera::Piacentine)),
                    png.filePath(QString("%1Pia.png").arg(simboli[i])), "PNG");
    }
    ok &= salva(disegnaBandieraItalia(), dati.filePath("Grafica/Italia.bmp"), "BMP");
    ok &= salva(disegnaBandieraInghilterra(), dati.filePath("Grafica/Inghil.bmp"), "BMP");
    ok &= salva(disegnaRitratto(), dati.filePath("Grafica/Autore.jpg"), "JPEG", kQualitaJpeg);
    ok &= salva(drawContactSheet(stile(Maniera::Piacentine)), fogli.filePath("Piacentine.png"), "PNG");
    ok &= salva(drawContactSheet(stile(Maniera::Napoletane)), fogli.filePath("Napoletane.png"), "PNG");
    ok &= salva(drawContactSheet(stile(Maniera::Contrasto)), fogli.filePath("AltoContrasto.png"), "PNG");
    ok &= scriviIcone(icone);
    if (!scriviFileOpzionale(dati.filePath("ZlvOpzio.txt"))) {
        std::fprintf(stderr, "zelvo-pictures: cannot write ZlvOpzio.txt\n");
        ok = false;
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
