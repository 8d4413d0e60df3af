#include "ui/title_window.h"

#include <algorithm>

#include "cards/deck.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/media.h"
#include "formats/text_file.h"

namespace zelvo {

const char* const NAME_FILE = "C:\\Programmi\\Zelvo\\Dati\\ZlvNome.txt";

namespace {

const char* const FILE_TEMA = "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.Mid";

// Names of men that end in "a", and of women that do not.
const char* const MASCHILI_IN_A[] = {"andrea", "luca",     "gianluca", "gian luca", "nicola",
                                     "elia",   "zaccaria", "geremia",  "isaia",     "malachia",
                                     "enea",   "piermaria", "pier maria", "caifa",  "leonida"};
const char* const FEMMINILI_NON_IN_A[] = {"nemesis", "beatrice", "alice",  "adele",    "irene",   "agnese",
                                          "rachele", "noemi",    "ester",  "carmen",   "matilde", "clotilde",
                                          "geltrude", "cloe",    "nives",  "iris",     "miriam",  "ines"};

// Only blanks are trimmed, as the name field holds them.
std::string senzaBlankEsterni(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Characters, not bytes: the entry holds UTF-8.
size_t caratteri(const std::string& s) {
    return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string sexFromName(const std::string& nome, const std::string& attuale) {
    // The lists and the final "a" are plain letters, so lowering the ASCII ones is enough.
    std::string n = nome;
    std::transform(n.begin(), n.end(), n.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    auto tra = [&n](const auto& elenco) { return std::find(std::begin(elenco), std::end(elenco), n) != std::end(elenco); };
    bool femminile = attuale == "F";
    if (!n.empty() && n.back() == 'a') femminile = true;
    if (tra(MASCHILI_IN_A)) femminile = false;
    else if (tra(FEMMINILI_NON_IN_A)) femminile = true;
    return femminile ? "F" : "M";
}

std::string symbolFile(int q) {
    static const char* const SIMBOLI[9] = {"",           "BasNap.gif", "BasPia.gif", "SpaNap.gif", "SpaPia.gif",
                                           "DenNap.gif", "DenPia.gif", "CopNap.gif", "CopPia.gif"};
    return q >= 1 && q <= 8 ? std::string("C:\\Programmi\\Zelvo\\Grafica\\") + SIMBOLI[q] : "";
}

// The Napoletane symbols (odd numbers) are narrower than the Piacentine ones.
int symbolWidth(int q) { return q % 2 == 1 ? 1680 : 2325; }

TitleWindow::TitleWindow(Platform& p,
                               std::function<void(const std::string&, const std::string&)> toTable)
    : platform(p),
      TimerInserisci(p.scheduler, "TimerInserisci", 450),
      TimerSigla(p.scheduler, "TimerSigla", 40700),
      toTable_(std::move(toTable)) {
    TimerInserisci.onTick = [this] { TimerInserisci_Timer(); };
    TimerSigla.onTick = [this] { TimerSigla_Timer(); };
    for (int p = 1; p <= 4; ++p) {
        m.ImgSimbolo[p] = symbolFile(m.lblNumeroImmagine[p]);
        m.symbolWidth[p] = symbolWidth(m.lblNumeroImmagine[p]);
    }
}

void TitleWindow::Form_Load() {
    if (FileSystem* fs = platform.files) {
        if (auto byte = fs->read(fs->real(NAME_FILE))) {
            const std::vector<textfile::Line> righe = textfile::splitLines(*byte);
            if (!righe.empty() && righe[0]) m.txtNome = textfile::valueOf(*righe[0]);
        }
    }
    if (MediaPlayers* media = platform.media) {
        // The clip sequence: nothing named, closed, then the theme.
        media->FileName(Player::mmcSigla, "");
        media->Command(Player::mmcSigla, "Close");
        media->FileName(Player::mmcSigla, FILE_TEMA);
    }
    playTheme();
    TimerSigla.enable();
    TimerInserisci.enable();
}

void TitleWindow::playTheme() {
    if (MediaPlayers* media = platform.media)
        for (const char* c : {"Open", "Prev", "Play"}) media->Command(Player::mmcSigla, c);
}

void TitleWindow::Form_KeyPress(int codice) {
    if (codice == 13) cmdOk_Click();
}

void TitleWindow::txtNome_KeyPress() {
    if (!m.txtNome.empty() && m.txtNome[0] == ' ') m.txtNome.clear();
}

void TitleWindow::cmdOk_Click() {
    if (m.atTable) return;
    const std::string& t = m.txtNome;
    if (t.empty() || t == " ") {
        m.lblInserisci = TitleModel::ANONYMOUS;
        m.lblInserisciColore = colour::BLACK;
    } else if (caratteri(t) < 3) {
        m.lblInserisci = TitleModel::INITIALS;
        m.lblInserisciColore = colour::BLACK;
    } else {
        m.lblNomeConcorrente = t;
        SalvaNome();
        PassaAlTavolo();
    }
}

void TitleWindow::SalvaNome() {
    // The name is kept as the files will give it back, so the ranking finds it again next time.
    m.lblNomeConcorrente = textfile::asStored(senzaBlankEsterni(m.lblNomeConcorrente));
    if (FileSystem* fs = platform.files) {
        textfile::Writer s;
        s.text(m.lblNomeConcorrente);
        // A name that cannot be stored is only not remembered: the game goes on.
        fs->write(fs->realForWriting(NAME_FILE), s.bytes());
    }
    m.lblSesso = sexFromName(m.lblNomeConcorrente, m.lblSesso);
}

void TitleWindow::PassaAlTavolo() {
    // The title window's life ends here: its tune and its animation stop.
    m.atTable = true;
    TimerInserisci.disable();
    TimerSigla.disable();
    if (MediaPlayers* media = platform.media) media->Command(Player::mmcSigla, "Close");
    if (toTable_) toTable_(m.lblNomeConcorrente, m.lblSesso);
}

void TitleWindow::TimerInserisci_Timer() {
    ++m.lblContatoreInserisci;
    if (m.lblContatoreInserisci == 1) {
        m.lblInserisciVisible = m.lblScritta2Visible = true;
    } else if (m.lblContatoreInserisci == 4) {
        m.lblInserisciVisible = m.lblScritta2Visible = false;
        m.lblContatoreInserisci = 0;
    }
    cmdScegliImage();
}

void TitleWindow::TimerSigla_Timer() {
    if (++m.lblSigla < 2) return;
    m.lblSigla = 0;
    if (MediaPlayers* media = platform.media) media->Command(Player::mmcSigla, "Close");
    playTheme();
}

int TitleWindow::draw(int n) {
    const float r = platform.random.rnd();
    int minuto = 0, secondo = 0;
    platform.clock.minuteSecond(minuto, secondo);
    return numeroCasuale(n, r, minuto, secondo);
}

void TitleWindow::cmdScegliImage() {
    if (m.lblImmaginiIniziali < 5) {
        // The first fill goes round the four positions in a fixed order.
        static constexpr int ORDINE[5] = {0, 1, 3, 2, 4};
        cmdScegliSeme(ORDINE[m.lblImmaginiIniziali]);
        ++m.lblImmaginiIniziali;
        return;
    }
    // Never the position changed last. A generator stuck on one value must not hang the window.
    int p = draw(4);
    for (int tentativi = 0; p == m.lblNumeroImage && tentativi < 1000; ++tentativi) p = draw(4);
    if (p == m.lblNumeroImage) p = p % 4 + 1;
    m.lblNumeroImage = p;
    cmdScegliSeme(p);
}

void TitleWindow::cmdScegliSeme(int p) {
    if (p < 1 || p > 4) return;
    int q = draw(8);
    for (int tentativi = 0; q == m.lblNumeroImmagine[p] && tentativi < 1000; ++tentativi) q = draw(8);
    if (q == m.lblNumeroImmagine[p]) q = q % 8 + 1;
    m.ImgSimbolo[p] = symbolFile(q);
    m.symbolWidth[p] = symbolWidth(q);
    m.lblNumeroImmagine[p] = q;
}

}  // namespace zelvo
