#pragma once
// The title window: the theme tune, four suit symbols changing one at a time,
// and the name entry. An accepted name is stored for the next run, the player's
// sex is worked out from it, and both go to the main window.
#include <array>
#include <functional>
#include <string>

#include "cards/card.h"
#include "platform/platform.h"
#include "platform/scheduler.h"

namespace zelvo {

struct TitleModel {
    static constexpr const char* ENTER_NAME = "Inserisci il tuo Nome e poi premi INVIO";
    static constexpr const char* ANONYMOUS =
        "Niente Giocatori anonimi, please! Inserisci il tuo Nome e poi premi INVIO";
    static constexpr const char* INITIALS = "Niente sigle, please! Inserisci il tuo Nome completo e poi premi INVIO";

    std::string txtNome;              // the entry field
    std::string lblNomeConcorrente;   // the accepted name, trimmed
    std::string lblSesso = "M";
    std::string lblInserisci = ENTER_NAME;
    Colour lblInserisciColore = colour::RED;  // black once a name has been refused
    bool lblInserisciVisible = true, lblScritta2Visible = true;  // they blink together
    int lblContatoreInserisci = 1;
    int lblSigla = 0;
    // The four suit symbols: picture number 1..8 at each position 1..4, and its file and width.
    std::array<int, 5> lblNumeroImmagine{0, 1, 1, 1, 1};
    std::array<std::string, 5> ImgSimbolo;
    std::array<int, 5> symbolWidth{};
    int lblNumeroImage = 1;
    int lblImmaginiIniziali = 1;
    bool atTable = false;
};

class TitleWindow {
public:
    // `toTable` receives the accepted name and "M" or "F"; the main window is
    // shown there.
    TitleWindow(Platform& p, std::function<void(const std::string&, const std::string&)> toTable);
    TitleWindow(const TitleWindow&) = delete;
    TitleWindow& operator=(const TitleWindow&) = delete;

    // The load step: the last name into the entry, the theme, the two timers.
    void Form_Load();
    // A key pressed on the window: Enter (13) is the OK button.
    void Form_KeyPress(int codice);
    // The entry changed: a name cannot begin with a blank.
    void txtNome_KeyPress();
    void cmdOk_Click();
    void SalvaNome();
    void PassaAlTavolo();

    void TimerInserisci_Timer();
    void TimerSigla_Timer();
    // One step of the suit animation, and the change of the picture at position p.
    void cmdScegliImage();
    void cmdScegliSeme(int p);

    Platform& platform;
    TitleModel m;
    Timer TimerInserisci, TimerSigla;

private:
    // An integer 1..n mixed from the generator and the clock's minute and second.
    int draw(int n);
    void playTheme();
    std::function<void(const std::string&, const std::string&)> toTable_;
};

// The sex the title window works out from a name: "F" for a name ending in "a"
// (but not for the men's names that do) or on the list of women's names that do
// not; otherwise `attuale`.
std::string sexFromName(const std::string& nome, const std::string& attuale = "M");

// The picture file of suit symbol q (1..8) and its width in twips.
std::string symbolFile(int q);
int symbolWidth(int q);

extern const char* const NAME_FILE;   // "C:\Programmi\Zelvo\Dati\ZlvNome.txt"

}  // namespace zelvo
