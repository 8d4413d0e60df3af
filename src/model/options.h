#pragma once
// The 21 user options: each is the text of its value label lblOpzione(i); a
// text the game does not know survives untouched.
#include <array>
#include <string>
#include <vector>

#include "cards/card.h"

namespace zelvo {

namespace opz {
constexpr int GraficaCasuale = 0, ColoreTavolo = 1, CambioBrano = 2, StileCarte = 3, ColoreRetro = 4,
              MotivoRetro = 5, Animazione = 6, Punteggio = 7, FrequenzaMusica = 8, Noises = 9,
              Loquacita = 10, Carattere = 11, Abilita = 12, Titoli = 13, PresaAutomatica = 14,
              ConclusioneGioco = 15, ConclusionePartita = 16, Cerimonia = 17, MostraCarte = 18,
              VelocitaRisposta = 19, AudioAnalisi = 20;
constexpr int NUMERO = 21;
}  // namespace opz

struct Options {
    std::array<std::string, opz::NUMERO> lblOpzione;
    std::array<std::string, opz::NUMERO> lblVoce;
    // Text colour of the captions: VERDE_CHIARO free, ROSA_H locked.
    std::array<Colour, opz::NUMERO> lblVoceColore;
    // The hover highlight: an opaque background behind the value of the free option
    // whose caption the mouse is on; lblOpzioneMouse is that option, NESSUNA for none.
    static constexpr int NESSUNA = 21;
    std::array<bool, opz::NUMERO> lblOpzioneEvidenziata{};
    int lblOpzioneMouse = NESSUNA;
    Options();

    const std::string& operator[](int i) const { return lblOpzione[i]; }
    bool is(int i, const char* value) const { return lblOpzione[i] == value; }
};

// The caption of option i ("Abilità di Zelvo:").
const char* voce(int i);
// Its values in cycle order, and its value before the settings are read.
const std::vector<std::string>& valori(int i);
const char* valoreIniziale(int i);
// The tool tip of option i's value, which explains the option.
const char* suggerimento(int i);

// The value a click on option i's caption moves to from `attuale`; `terzoMazzo` is
// the third deck's name when it is installed (it then sits between the two regional
// decks), empty otherwise. A value the option does not know stays, except where the
// game turns it into a known one.
std::string valoreSeguente(int i, const std::string& attuale, const std::string& terzoMazzo);

// The colours of options 1 and 4 (index 1..24), as 0x00BBGGRR; an unknown
// name is painted "Salvia".
Colour coloreTavolo(const std::string& nome);
Colour coloreRetro(const std::string& nome);
const std::string& nomeColore(int indice);

// Intervals the options set.
int intervalloAnimazione(const std::string& animazione);       // 30/45/80; 0: leave it as it is
int intervalloPresa(const std::string& presaAutomatica);        // 2350..750, 0 for "No"
int intervalloAttesaPC(const std::string& velocitaRisposta);    // 1500..500
// Games needed to win the match (3, 4 or 5; 0 for an unknown text).
int giochiPerPartita(const std::string& conclusionePartita);

}  // namespace zelvo
