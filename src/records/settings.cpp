// The settings file: read once at start-up, written when the game is left.
#include "platform/files.h"
#include "records/formati.h"
#include "records/registri.h"
#include "records/text_file.h"
#include "ui/principale.h"

namespace zelvo {

namespace {

constexpr const char* FILE_IMPOSTAZIONI = "C:\\Programmi\\Zelvo\\Dati\\ZlvImpo.txt";
constexpr const char* FILE_CARTE_OPZIONALI = "C:\\Programmi\\Zelvo\\ZlvOpzio.txt";

// Line → option, for the lines that hold an option's value.
struct RigaOpzione {
    int riga, opzione;
};
constexpr RigaOpzione OPZIONI[] = {{1, 12},  {2, 19},  {4, 18},  {6, 14},  {8, 15},  {9, 16},  {21, 17},
                                   {22, 0},  {23, 1},  {24, 4},  {25, 5},  {26, 3},  {27, 6},  {30, 7},
                                   {35, 13}, {38, 2},  {39, 20}, {40, 8},  {41, 9},  {42, 10}, {43, 11}};

}  // namespace

void Records::CaricaImpostazioni() {
    FileSystem* fs = w_.piattaforma.files;
    if (!fs) return;
    auto byte = fs->leggi(fs->reale(FILE_IMPOSTAZIONI));
    if (!byte) return;  // no file yet: the initial values stand
    formati::SettingsLines imp = formati::leggiImpostazioni(*byte);
    Model& m = w_.m;
    Timers& t = w_.t;
    RecordsState& r = m.records;
    Window& f = m.window;

    // A line that is missing or not of its target's kind leaves that target as it was.
    for (const auto& o : OPZIONI)
        if (imp.riga[o.riga]) m.options.lblOpzione[o.opzione] = *imp.riga[o.riga];
    auto intervallo = [&](int n, Timer& timer) {
        if (auto v = imp.intero(n); v && *v >= 0 && *v <= 65535) timer.setInterval(static_cast<int>(*v));
    };
    auto singolo = [&](int n, float& dove) {
        if (auto v = imp.singolo(n)) dove = *v;
    };
    auto verita = [&](int n, bool& dove) {
        if (auto v = imp.verita(n)) dove = *v;
    };
    intervallo(3, t.TimerAttesaDelPCaMuovere);
    if (imp.riga[5]) m.game.lblSbirciata = *imp.riga[5] != "No";
    intervallo(7, t.TimerEffettuaLaPresa);
    singolo(10, r.ShpLineaVLeft[2]);
    singolo(11, r.ShpLineaVLeft[4]);
    verita(12, r.ShpLineaVVisible[2]);
    verita(13, r.ShpLineaVVisible[3]);
    verita(14, r.ShpLineaVVisible[4]);
    for (int k = 2; k <= 4; ++k) {
        singolo(15 + 2 * (k - 2), r.shpPuntiPCLeft[k]);
        singolo(16 + 2 * (k - 2), r.shpPuntiHLeft[k]);
    }
    intervallo(28, t.TimerAnimazionecartePC);
    intervallo(29, t.TimerAnimazionecarteH);
    verita(31, f.lblPuntiPCVista.Visible);
    verita(32, f.lblPuntiPCScritta.Visible);
    verita(33, f.lblPuntiHVista.Visible);
    verita(34, f.lblPuntiHScritta.Visible);
    if (imp.riga[36]) r.lblPannelloVisualizzato = *imp.riga[36];
    if (imp.riga[37]) r.lblContinuaregole = *imp.riga[37];
}

void Records::SalvaImpostazioni() {
    FileSystem* fs = w_.piattaforma.files;
    if (!fs) return;
    const Model& m = w_.m;
    const Timers& t = w_.t;
    const RecordsState& r = m.records;
    const Window& f = m.window;
    const auto& o = m.options.lblOpzione;
    testo::Scrittore s;
    s.testo(o[12]);
    s.testo(o[19]);
    s.intero(t.TimerAttesaDelPCaMuovere.interval());
    s.testo(o[18]);
    s.testo(o[18]);  // the peek flag of the next run
    s.testo(o[14]);
    s.intero(t.TimerEffettuaLaPresa.interval());
    s.testo(o[15]);
    s.testo(o[16]);
    s.singolo(r.ShpLineaVLeft[2]);
    s.singolo(r.ShpLineaVLeft[4]);
    s.verita(r.ShpLineaVVisible[2]);
    s.verita(r.ShpLineaVVisible[3]);
    s.verita(r.ShpLineaVVisible[4]);
    for (int k = 2; k <= 4; ++k) {
        s.singolo(r.shpPuntiPCLeft[k]);
        s.singolo(r.shpPuntiHLeft[k]);
    }
    s.testo(o[17]);
    s.testo(o[0]);
    s.testo(o[1]);
    s.testo(o[4]);
    s.testo(o[5]);
    s.testo(o[3]);
    s.testo(o[6]);
    s.intero(t.TimerAnimazionecartePC.interval());
    s.intero(t.TimerAnimazionecarteH.interval());
    s.testo(o[7]);
    s.verita(f.lblPuntiPCVista.Visible);
    s.verita(f.lblPuntiPCScritta.Visible);
    s.verita(f.lblPuntiHVista.Visible);
    s.verita(f.lblPuntiHScritta.Visible);
    s.testo(o[13]);
    s.testo(r.lblPannelloVisualizzato);
    s.testo(r.lblContinuaregole);
    s.testo(o[2]);
    s.testo(o[20]);
    s.testo(o[8]);
    s.testo(o[9]);
    s.testo(o[10]);
    s.testo(o[11]);
    fs->scrivi(fs->realePerScrivere(FILE_IMPOSTAZIONI), s.byte());
}

void Records::CaricaCarteOpzionali() {
    FileSystem* fs = w_.piattaforma.files;
    if (!fs) return;
    auto byte = fs->leggi(fs->reale(FILE_CARTE_OPZIONALI));
    if (!byte) return;
    auto v = formati::leggiCarteOpzionali(*byte);
    RecordsState& r = w_.m.records;
    if (v[0]) r.lblCarteOpzionali = *v[0];
    // The frame choice is a number: zero or not zero.
    if (v[1]) {
        if (auto n = testo::singolo(*v[1])) w_.m.window.lblBordoCarteOpzionali = *n != 0 ? 1 : 0;
    }
    if (v[2]) r.lblNomeCarteOpzionali = *v[2];
}

}  // namespace zelvo
