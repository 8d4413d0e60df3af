// The middle-game choice: the answer-case and lead-case tie chains and the
// two 60-point filters, from given conveniences.
#include <gtest/gtest.h>

#include <vector>

#include "banco.h"

namespace zelvo {
namespace {

using prova::Banco;
using prova::posizione;

void convenienze(Banco& b, const std::vector<float>& v) {
    for (size_t n = 0; n < v.size(); ++n) b.s().lblConvenienza[n + 1].Caption = Singola::da(v[n]);
}

struct CasoRisposta {
    const char* nome;
    char briscola;
    std::array<std::string, 3> pc, h;  // the human led slot 4
    std::vector<float> conv;
    int atteso;
};

class CatenaRisposta : public ::testing::TestWithParam<CasoRisposta> {};

TEST_P(CatenaRisposta, ChoosesTheSlot) {
    const CasoRisposta& c = GetParam();
    Banco b(posizione(c.briscola, c.pc, c.h, 20, Chi::H, 4));
    convenienze(b, c.conv);
    for (int i = 1; i <= 3; ++i) b.s().lblTotaliNormali[i].scrivi(10);
    b.w.strategia.cmdValoreAggiuntivo();
    EXPECT_EQ(b.g().lblCartaPCDaGiocare, c.atteso) << c.nome;
    EXPECT_TRUE(b.w.t.TimerAttesaDelPCaMuovere.enabled());
    EXPECT_TRUE(b.g().lblGiocoInCorso);
}

INSTANTIATE_TEST_SUITE_P(
    AnswerCase, CatenaRisposta,
    ::testing::Values(
        CasoRisposta{"one best", 'b', {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, {1.0f, 5.0f, 2.0f}, 2},
        CasoRisposta{"best equal by text only", 'b', {"2d", "7b", "4c"}, {"5s", "6s", "3d"},
                     {1.0f / 3.0f, 0.33333334f, 0.2f}, 1},
        CasoRisposta{"one trump one plain tie: the plain", 'b', {"2d", "7b", "4c"}, {"5s", "6s", "3d"},
                     {2.5f, 4.0f, 4.0f}, 3},
        CasoRisposta{"two trumps tie: the weaker", 'b', {"Cb", "7b", "2d"}, {"5s", "6s", "3d"}, {4.0f, 4.0f, 1.0f}, 2},
        CasoRisposta{"two trumps tie, later weaker", 'b', {"Fb", "2d", "4b"}, {"5s", "6s", "3d"}, {4.0f, 1.0f, 4.0f}, 3},
        CasoRisposta{"plain tie: a stronger human card of the suit (red)", 'b', {"5c", "6s", "2d"},
                     {"7d", "Rc", "4s"}, {3.0f, 3.0f, 1.0f}, 1},
        CasoRisposta{"plain tie: no additional values, weakest", 'b', {"Fs", "5c", "2d"}, {"7d", "Rb", "4b"},
                     {3.0f, 3.0f, 1.0f}, 2},
        CasoRisposta{"plain tie: all green, smallest", 'b', {"Fs", "Cc", "2d"}, {"7d", "4s", "5c"},
                     {3.0f, 3.0f, 1.0f}, 1},
        CasoRisposta{"plain tie of three: the last without additional value", 'b', {"Fs", "Cc", "2d"},
                     {"7b", "4s", "5c"}, {3.0f, 3.0f, 3.0f}, 3},
        CasoRisposta{"colour from the last human card, value the smallest", 'b', {"Fs", "Cc", "2d"},
                     {"7d", "3s", "4s"}, {3.0f, 3.0f, 1.0f}, 2},
        CasoRisposta{"smallest red value", 'b', {"Fs", "Cc", "2d"}, {"7d", "4s", "3s"}, {3.0f, 3.0f, 1.0f}, 1},
        CasoRisposta{"two red: the most negative", 'b', {"5c", "6s", "2d"}, {"7d", "Rc", "Fs"},
                     {3.0f, 3.0f, 1.0f}, 1},
        CasoRisposta{"trump and two green plains: weakest best answer", 'b', {"Fs", "Cc", "2b"},
                     {"7d", "4s", "5c"}, {3.0f, 3.0f, 3.0f}, 3}));

TEST(CatenaRisposta, MarksAndCounters) {
    Banco b(posizione('b', {"5c", "6s", "7b"}, {"7d", "Rc", "4s"}, 20, Chi::H, 4));
    convenienze(b, {3.0f, 3.0f, 3.0f});
    b.w.strategia.cmdValoreAggiuntivo();
    auto& s = b.s();
    EXPECT_EQ(s.lblContatoreRisposteMultiple, 3);
    EXPECT_EQ(s.lblNumeroBriscole, 1);
    EXPECT_EQ(s.lblConvenienza[3].ForeColor, colour::BLUE);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(s.lblConvenienza[i].BackColor, colour::YELLOW);
    EXPECT_EQ(s.lblValAgg[1].testo(), "-21");
    EXPECT_EQ(s.lblValAgg[1].BackColor, colour::RED);
    EXPECT_EQ(s.lblValAgg[2].testo(), "10");
    EXPECT_EQ(s.lblValAgg[2].BackColor, colour::GREEN);
    EXPECT_TRUE(s.lblValAgg[3].vuota);
    EXPECT_EQ(s.lblTotaliValoriAggiuntivi, 2);
    EXPECT_EQ(s.lblTotaliRossi, 1);
    EXPECT_EQ(b.g().lblCartaPCDaGiocare, 1);
}

struct CasoGuida {
    const char* nome;
    std::array<std::string, 3> pc;
    std::vector<float> conv;
    int atteso;
};

class CatenaGuida : public ::testing::TestWithParam<CasoGuida> {};

TEST_P(CatenaGuida, ChoosesTheGroup) {
    const CasoGuida& c = GetParam();
    Banco b(posizione('b', c.pc, {"5s", "6s", "3d"}, 20));
    convenienze(b, c.conv);
    for (int n = 1; n <= 9; ++n) b.s().lblTotaliNormali[n].scrivi(10);
    b.w.strategia.cmdValoreAggiuntivoIniziaPC();
    EXPECT_EQ(b.g().lblCartaPCDaGiocare, c.atteso) << c.nome;
    EXPECT_EQ(b.g().lblCartaPCDaGiocareBack, colour::WHITE);
    EXPECT_EQ(b.s().lblContatoreRisposteMultiple, 1);
    EXPECT_TRUE(b.w.t.TimerAttesaDelPCaMuovere.enabled());
}

INSTANTIATE_TEST_SUITE_P(
    LeadCase, CatenaGuida,
    ::testing::Values(
        CasoGuida{"best worst reply", {"Ad", "4c", "Rs"}, {5, 2, 8, 3, 4, 9, 1, 7, 7}, 2},
        CasoGuida{"equal worst, better second-worst", {"Ad", "4c", "Rs"}, {2, 3, 9, 2, 5, 4, 0, 8, 8}, 2},
        CasoGuida{"equal worst and second, better best", {"Ad", "4c", "Rs"}, {2, 3, 9, 2, 3, 7, -1, 8, 8}, 1},
        CasoGuida{"all equal: the weakest card", {"Ad", "4c", "Rs"}, {2, 3, 9, 9, 2, 3, 3, 9, 2}, 2},
        CasoGuida{"all equal, weakest last", {"Ad", "Rs", "4c"}, {2, 3, 9, 2, 3, 9, 2, 3, 9}, 3},
        CasoGuida{"an early tie then a better worst", {"Ad", "4c", "Rs"}, {2, 6, 6, 2, 7, 7, 5, 5, 9}, 3},
        CasoGuida{"ties inside a group keep the first", {"Ad", "4c", "Rs"}, {2, 2, 9, 2, 2, 8, 0, 1, 1}, 1},
        CasoGuida{"negative conveniences", {"Ad", "4c", "Rs"}, {-3, -1, -2, -5, 0, 1, -4, -4, 2}, 1}));

TEST(CatenaGuida, MarksOfTheGroups) {
    Banco b(posizione('b', {"Ad", "4c", "Rs"}, {"5s", "6s", "3d"}, 20));
    convenienze(b, {2, 3, 9, 2, 5, 4, 0, 8, 8});
    b.w.strategia.cmdValoreAggiuntivoIniziaPC();
    auto& c = b.s().lblConvenienza;
    const Colour fondo[10] = {0, colour::RED, colour::PINK, colour::WHITE, colour::RED, colour::WHITE,
                              colour::PINK, colour::RED, colour::PINK, colour::WHITE};
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(c[n].BackColor, fondo[n]) << n;
    EXPECT_EQ(c[1].ForeColor, colour::BLUE);
    EXPECT_EQ(c[4].ForeColor, colour::BLUE);
    EXPECT_EQ(c[7].ForeColor, colour::BLACK);
    EXPECT_EQ(c[6].ForeColor, colour::BLUE);  // the best second-worst
    EXPECT_EQ(b.s().lblValorePiuAlto.testo(), "4");
}

// ---- the 60-point filters

struct CasoFiltro {
    const char* nome;
    int scelta;
    std::vector<int> totali;  // negative: the human takes the trick with that score
    int atteso;
    bool filtro;
    int scelta2 = -1;          // lead case: lblCartaPCDaGiocare2 afterwards
};

void totali(Banco& b, const std::vector<int>& t) {
    for (size_t n = 0; n < t.size(); ++n) {
        b.s().lblTotaliNormali[n + 1].scrivi(t[n] < 0 ? -t[n] : t[n]);
        if (t[n] < 0) b.s().lblTotaliNormali[n + 1].BackColor = colour::RED;
    }
}

class FiltroRisposta : public ::testing::TestWithParam<CasoFiltro> {};

TEST_P(FiltroRisposta, Outcome) {
    const CasoFiltro& c = GetParam();
    Banco b(posizione('b', {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, 20, Chi::H, 4));
    totali(b, c.totali);
    b.g().lblCartaPCDaGiocare = c.scelta;
    b.w.strategia.Filtro60PuntiRispondePC();
    EXPECT_EQ(b.g().lblCartaPCDaGiocare, c.atteso) << c.nome;
    EXPECT_EQ(b.s().lblFiltro60Punti, c.filtro) << c.nome;
}

INSTANTIATE_TEST_SUITE_P(
    AnswerCase, FiltroRisposta,
    ::testing::Values(CasoFiltro{"nothing near 60", 2, {40, 41, -30}, 2, false},
                      CasoFiltro{"take the winning trick", 1, {40, 62, 61}, 2, true},
                      CasoFiltro{"chosen already wins", 3, {40, 62, 61}, 3, true},
                      CasoFiltro{"exactly 60 is not a win", 1, {40, 60, -30}, 1, false},
                      // The chosen answer's total is 61 or more, whoever takes it: the filter goes
                      // off, and still the losing answer is replaced.
                      CasoFiltro{"avoid the human's win: last free slot", 1, {-65, 40, 30}, 3, true},
                      CasoFiltro{"avoid it, only the middle free", 3, {-65, 40, -61}, 2, true},
                      CasoFiltro{"a safe choice near a danger", 2, {-65, 40, 30}, 2, false},
                      CasoFiltro{"all three lose: give up", 2, {-61, -62, -70}, 2, true},
                      CasoFiltro{"human at 60 exactly is not a danger", 1, {-60, 40, 30}, 1, false}));

class FiltroGuida : public ::testing::TestWithParam<CasoFiltro> {};

TEST_P(FiltroGuida, Outcome) {
    const CasoFiltro& c = GetParam();
    Banco b(posizione('b', {"2d", "7b", "4c"}, {"5s", "6s", "3d"}, 20));
    totali(b, c.totali);
    b.g().lblCartaPCDaGiocare = c.scelta;
    b.w.strategia.Filtro60PuntiIniziaPC();
    EXPECT_EQ(b.g().lblCartaPCDaGiocare, c.atteso) << c.nome;
    EXPECT_EQ(b.s().lblFiltro60Punti, c.filtro) << c.nome;
    EXPECT_EQ(b.g().lblCartaPCDaGiocare2, c.scelta) << c.nome;
}

INSTANTIATE_TEST_SUITE_P(
    LeadCase, FiltroGuida,
    ::testing::Values(CasoFiltro{"nothing near 60", 2, {40, 41, -30, 40, 41, 42, 30, 30, 30}, 2, false},
                      CasoFiltro{"forbidden: first free slot", 2, {40, 41, 42, 40, -61, 42, 30, 30, 30}, 1, false},
                      CasoFiltro{"first two forbidden", 1, {-70, 41, 42, 40, -61, 42, 30, 30, 30}, 3, false},
                      CasoFiltro{"all forbidden: the choice stays", 2,
                                 {-70, 41, 42, 40, -61, 42, -61, 30, 30}, 2, true},
                      CasoFiltro{"a sure win", 1, {40, 41, 42, 61, 62, 63, 30, 30, 30}, 2, true},
                      CasoFiltro{"two sure wins: the later", 1, {40, 41, 42, 61, 62, 63, 64, 65, 66}, 3, true},
                      CasoFiltro{"not sure when one reply loses", 1, {40, 41, 42, 61, -62, 63, 30, 30, 30}, 1,
                                 false}));

TEST(AzzeraValutazione, ClearsThePairingsAndTheGrid) {
    Posizione p = posizione('b', {"Ad", "7c", "Rb"}, {"2s", "3d", "Fb"}, 20);
    p.giocate = {"As"};
    Banco b(p);
    b.w.strategia.CalcolaPuntiCarte();
    b.w.strategia.CalcolaTotaliIniziaPC();
    b.w.strategia.TimerValoreAggiuntivo_Timer();
    b.w.strategia.AzzeraValutazione();
    auto& s = b.s();
    for (int n = 1; n <= 9; ++n) {
        EXPECT_TRUE(s.lblConvenienza[n].Caption.vuota());
        EXPECT_EQ(s.lblConvenienza[n].BackColor, colour::WHITE);
        EXPECT_EQ(s.lblConvenienza[n].ForeColor, colour::BLACK);
        EXPECT_TRUE(s.lblTotaliNormali[n].vuota);
        EXPECT_EQ(s.lblTotaliNormali[n].BackColor, colour::WHITE);
        EXPECT_EQ(s.lblTotaliPotenziali[n].BackColor, colour::WHITE);
    }
    for (int c = 1; c <= 40; ++c) {
        EXPECT_EQ(b.c().lblPreseVirtuali[c].Caption, "");
        EXPECT_EQ(b.c().lblPreseVirtuali[c].ForeColor, c == cards::cellOf("As") ? colour::GREEN : colour::BLACK);
    }
    EXPECT_EQ(b.g().lblNumeroCartaAnalizzata, 1);
    EXPECT_EQ(s.lblContatoreRisposteMultiple, 1);
    EXPECT_TRUE(s.lblValorePiuAlto.vuota());
}

}  // namespace
}  // namespace zelvo
