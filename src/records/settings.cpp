// The settings file: read once at start-up, written when the game is left.
// One table says what each of the 43 lines holds; reading and writing both follow it.
#include "records/settings.h"

#include "formats/file_formats.h"
#include "formats/text_file.h"

namespace zelvo {

namespace {

constexpr const char* SETTINGS_FILE = "C:\\Programmi\\Zelvo\\Dati\\ZlvImpo.txt";
constexpr const char* OPTIONAL_DECK_FILE = "C:\\Programmi\\Zelvo\\ZlvOpzio.txt";

// One line of the file: which field, and of what kind.
struct Line {
    enum Kind { OptionText, Peek, Interval, Fraction, Truth, Text } kind;
    int field;  // the option, interval, index or text it holds
};
// The intervals, and the two texts of the window's panels.
enum { PAUSE, TAKING, ANIMATION_PC, ANIMATION_H };
enum { OPEN_PANEL, RULES_PAGE };
// Fractions 2..4 are the dividers, 12..14 and 22..24 the markers of the computer and
// of the human; truths 2..4 the dividers' visibility, 10..13 the points displays.
constexpr Line LINES[formats::SETTINGS_LINES + 1] = {
    {},
    {Line::OptionText, index(Option::Level)},          {Line::OptionText, index(Option::ResponseSpeed)},
    {Line::Interval, PAUSE},                           {Line::OptionText, index(Option::ShowCards)},
    {Line::Peek, 0},                                   {Line::OptionText, index(Option::AutoTaking)},
    {Line::Interval, TAKING},                          {Line::OptionText, index(Option::GameEnd)},
    {Line::OptionText, index(Option::MatchEnd)},       {Line::Fraction, 2},
    {Line::Fraction, 4},                               {Line::Truth, 2},
    {Line::Truth, 3},                                  {Line::Truth, 4},
    {Line::Fraction, 12},                              {Line::Fraction, 22},
    {Line::Fraction, 13},                              {Line::Fraction, 23},
    {Line::Fraction, 14},                              {Line::Fraction, 24},
    {Line::OptionText, index(Option::Ceremony)},       {Line::OptionText, index(Option::RandomGraphics)},
    {Line::OptionText, index(Option::TableColour)},    {Line::OptionText, index(Option::BackColour)},
    {Line::OptionText, index(Option::BackDesign)},     {Line::OptionText, index(Option::CardStyle)},
    {Line::OptionText, index(Option::CardAnimation)},  {Line::Interval, ANIMATION_PC},
    {Line::Interval, ANIMATION_H},                     {Line::OptionText, index(Option::ScoreDisplay)},
    {Line::Truth, 10},                                 {Line::Truth, 11},
    {Line::Truth, 12},                                 {Line::Truth, 13},
    {Line::OptionText, index(Option::SongTitles)},     {Line::Text, OPEN_PANEL},
    {Line::Text, RULES_PAGE},                          {Line::OptionText, index(Option::SongChange)},
    {Line::OptionText, index(Option::ReviewAudio)},    {Line::OptionText, index(Option::MusicFrequency)},
    {Line::OptionText, index(Option::GameNoises)},     {Line::OptionText, index(Option::Talkativeness)},
    {Line::OptionText, index(Option::Temper)},
};

std::optional<int>& interval(SavedSettings& s, int k) {
    return k == PAUSE ? s.computerPauseMs : k == TAKING ? s.takingMs : k == ANIMATION_PC ? s.animationPCMs : s.animationHMs;
}
std::optional<float>& fraction(SavedSettings& s, int k) {
    return k < 10 ? s.ShpLineaVLeft[k] : k < 20 ? s.shpPuntiPCLeft[k - 10] : s.shpPuntiHLeft[k - 20];
}
std::optional<bool>& truth(SavedSettings& s, int k) { return k < 10 ? s.ShpLineaVVisible[k] : s.pointsShown[k - 10]; }
std::optional<std::string>& text(SavedSettings& s, int k) {
    return k == OPEN_PANEL ? s.lblPannelloVisualizzato : s.lblContinuaregole;
}

}  // namespace

SavedSettings CaricaImpostazioni(FileSystem& fs) {
    SavedSettings s;
    const auto bytes = fs.read(fs.real(SETTINGS_FILE));
    if (!bytes) return s;  // no file yet: the initial values stand
    const formats::SettingsLines lines = formats::readSettingsLines(*bytes);
    for (int n = 1; n <= formats::SETTINGS_LINES; ++n) {
        const Line& l = LINES[n];
        switch (l.kind) {
            case Line::OptionText: s.options[l.field] = lines.line[n]; break;
            case Line::Peek: s.peek = lines.line[n]; break;
            case Line::Text: text(s, l.field) = lines.line[n]; break;
            case Line::Interval:
                if (auto v = lines.whole(n); v && *v >= 0 && *v <= 65535) interval(s, l.field) = static_cast<int>(*v);
                break;
            case Line::Fraction: fraction(s, l.field) = lines.single(n); break;
            case Line::Truth: truth(s, l.field) = lines.truth(n); break;
        }
    }
    return s;
}

void SalvaImpostazioni(FileSystem& fs, const SavedSettings& given) {
    SavedSettings s = given;
    textfile::Writer out;
    for (int n = 1; n <= formats::SETTINGS_LINES; ++n) {
        const Line& l = LINES[n];
        switch (l.kind) {
            case Line::OptionText: out.text(s.options[l.field].value_or("")); break;
            case Line::Peek: out.text(s.options[index(Option::ShowCards)].value_or("")); break;
            case Line::Text: out.text(text(s, l.field).value_or("")); break;
            case Line::Interval: out.whole(interval(s, l.field).value_or(0)); break;
            case Line::Fraction: out.single(fraction(s, l.field).value_or(0)); break;
            case Line::Truth: out.truth(truth(s, l.field).value_or(false)); break;
        }
    }
    fs.write(fs.realForWriting(SETTINGS_FILE), out.bytes());
}

OptionalDeck CaricaCarteOpzionali(FileSystem& fs) {
    OptionalDeck d;
    const auto bytes = fs.read(fs.real(OPTIONAL_DECK_FILE));
    if (!bytes) return d;
    const auto v = formats::readOptionalDeck(*bytes);
    d.lblCarteOpzionali = v[0];
    // The frame choice is a number: zero or not zero.
    if (v[1])
        if (auto n = textfile::single(*v[1])) d.framed = *n != 0;
    d.lblNomeCarteOpzionali = v[2];
    return d;
}

}  // namespace zelvo
