// The table widget on the offscreen platform: it draws the model and forwards clicks and keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/headless.h"
#include "records/settings.h"
#include "support/test_main.h"
#include "ui/qt/table_view.h"
#include "ui/qt/title_view.h"
#include "ui/table_geometry.h"
#include "ui/title_window.h"

using namespace zelvo;

namespace {

// The table after the deal; with a folder, the game's files live there and every dialog is cancelled.
struct Schermo {
    explicit Schermo(const QString& folder = {})
        : w(h.platform), view(w, w.routines, [](const std::string&) { return QString(); }) {
        if (!folder.isEmpty()) {
            files = std::make_unique<FileSystem>(DataRoots{{}, folder.toStdString()});
            h.platform.files = files.get();
            h.platform.dialogs = &dialogs;
        }
        w.m.playerName = "Anna";
        w.Form_Load();
        h.scheduler.advance(8 * 450);  // the deal
        view.resize(geometry::WIDTH / 15, geometry::HEIGHT / 15);
        view.show();
    }
    QPoint centro(int slot) const {
        const auto& img = w.m.window.ImgCarta[slot];
        return QPoint((img.Left + 1185 / 2) / 15, (img.Top + 2415 / 2) / 15);
    }
    QPoint centro(const geometry::Rect& r) const {
        return QPoint(int((r.left + r.width / 2) / 15), int((r.top + r.height / 2) / 15));
    }
    bool humanMayPlay() const {
        const GameAndMatch& g = w.m.game;
        return g.lblAChiTocca == Who::H && g.lblGiocoInCorso && g.lblPuoiGiocare && g.lblNumeroCarteRimaste > -4 &&
               !w.t.TimerAnimazionecartePC.enabled();
    }
    // Plays the game to its end frame with the keys, the human's first card each time.
    bool playToTheEnd() {
        for (int guard = 0; guard < 20000 && !w.m.window.fraFineGioco.Visible; ++guard) {
            if (humanMayPlay())
                for (int k = 1; k <= 3; ++k)
                    if (!w.m.cards.lblCarta[3 + k].empty() && w.m.window.ImgCarta[3 + k].Visible) {
                        QTest::keyClick(&view, static_cast<Qt::Key>(Qt::Key_0 + k));
                        break;
                    }
            if (!humanMayPlay() && !h.scheduler.step()) return false;
        }
        return w.m.window.fraFineGioco.Visible;
    }
    Headless h;
    std::unique_ptr<FileSystem> files;
    TestDialogs dialogs;
    TestMain w;
    TableView view;
};

}  // namespace

TEST(TableView, AClickOnAHandCardPlaysItAndEnterTakesTheTrick) {
    Schermo f;
    f.w.m.options.lblOpzione[index(Option::AutoTaking)] = "No";
    ASSERT_EQ(f.w.m.game.lblAChiTocca, Who::H);
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, f.centro(2));  // the computer's card: nothing
    EXPECT_EQ(f.w.m.game.lblNumeroCartaGiocataDaH, 0);
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, f.centro(5));
    EXPECT_EQ(f.w.m.game.lblNumeroCartaGiocataDaH, 5);
    EXPECT_EQ(f.w.m.window.ImgCarta[5].Top, place::TOP_TRICK);
    f.h.scheduler.advance(3000);  // the computer answers
    ASSERT_TRUE(f.w.m.window.cmdEffettuaLaPresa.Visible);
    QTest::keyClick(&f.view, Qt::Key_Return);
    f.h.scheduler.advance(20);
    EXPECT_EQ(f.w.m.game.lblManche, 2);
}

TEST(TableView, DrawsTheTableColourAndTheFaceUpCards) {
    Schermo f;
    QImage img = f.view.grab().toImage();
    const Colour c = f.w.m.window.coloreTavolo;
    EXPECT_EQ(img.pixelColor(5, 5), QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    // Without picture files a face-up card is drawn white with its code.
    EXPECT_EQ(img.pixelColor(f.centro(4) + QPoint(0, -60)), QColor(Qt::white));
}

TEST(TableView, TheMenuOpensTheMatchPanel) {
    Schermo f;
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, QPoint(10755 / 15 + 10, 3510 / 15 + 10));
    EXPECT_TRUE(f.w.m.window.fraPannello[1].Visible);
    EXPECT_EQ(f.w.m.records.lblPannelloVisualizzato, "Partita");
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, QPoint(10755 / 15 + 10, 3915 / 15 + 10));
    EXPECT_FALSE(f.w.m.window.fraPannello[1].Visible);
    EXPECT_TRUE(f.w.m.window.fraPannello[0].Visible);
}

TEST(TableView, TheRulesCaptionTurnsThePageUnlessAPanelCoversIt) {
    Schermo f;
    const QPoint caption(1750 / 15, 8660 / 15);
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, caption);
    EXPECT_EQ(f.w.m.records.lblContinuaregole, "Clicca qui per continuare > 2");
    f.w.routines.lblComandi_Click(menu::Dati);
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, caption);
    EXPECT_EQ(f.w.m.records.lblContinuaregole, "Clicca qui per continuare > 2");
}

TEST(TableView, TheMouseOverAnOptionCaptionHighlightsItsValueAndBothStepTheOption) {
    Schermo f;
    f.w.routines.lblComandi_Click(menu::Options);
    const int rigaTop = 560 + index(Option::GameNoises) * 385 + 190;
    QTest::mouseMove(&f.view, QPoint((2925 + 1000) / 15, rigaTop / 15));
    EXPECT_TRUE(f.w.m.options.lblOpzioneEvidenziata[index(Option::GameNoises)]);
    EXPECT_EQ(f.w.m.options.lblOpzioneMouse, index(Option::GameNoises));
    EXPECT_EQ(f.view.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&f.view, QPoint((2925 + 4500) / 15, rigaTop / 15));
    EXPECT_FALSE(f.w.m.options.lblOpzioneEvidenziata[index(Option::GameNoises)]);
    // A click on the value steps the option as one on the caption does.
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, QPoint((2925 + 4500) / 15, rigaTop / 15));
    EXPECT_EQ(f.w.m.options.lblOpzione[index(Option::GameNoises)], "No");
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, QPoint((2925 + 1000) / 15, rigaTop / 15));
    EXPECT_EQ(f.w.m.options.lblOpzione[index(Option::GameNoises)], "Si");
}

TEST(TableView, ToolTipsExplainTheOptionValuesAndTheNamesUnlessAPanelCoversThem) {
    Schermo f;
    auto tipAt = [&](int x, int y) { return f.view.toolTipAt(QPointF(x, y)); };
    EXPECT_TRUE(tipAt(9600, 8480).contains("sfondo rosso"));  // the human's name
    f.w.routines.lblComandi_Click(menu::Options);
    const QString tip = tipAt(2925 + 4500, 560 + index(Option::Ceremony) * 385 + 190);
    EXPECT_TRUE(tip.contains("Simpatica routine grafico-musicale")) << tip.toStdString();
    f.w.routines.lblComandi_Click(menu::Albo);
    EXPECT_EQ(tipAt(9600, 540), "");  // ZELVO's name lies under the hall of fame
    EXPECT_EQ(tipAt(2925 + 4500, 560 + index(Option::Ceremony) * 385 + 190), "");
}

TEST(TableView, AClickOnTheMatchRegisterHandsTheFocusToItsHiddenButton) {
    Schermo f;
    f.w.routines.lblComandi_Click(menu::Albo);
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, QPoint(6000 / 15, 7000 / 15));
    EXPECT_TRUE(f.w.m.window.cmdSetFocusAlbo.focus);
    // Above the list, on the ranking, nothing is taken.
    f.w.routines.lblComandi_Click(menu::Albo);
    f.w.routines.lblComandi_Click(menu::Albo);
    giveFocus(f.w.m.window, f.w.m.window.cmdEffettuaLaPresa);
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, QPoint(6000 / 15, 2000 / 15));
    EXPECT_FALSE(f.w.m.window.cmdSetFocusAlbo.focus);
}

TEST(TableView, KeysOneToThreePlayTheHumansCardsFromTheLeftOnlyWhenItMayPlay) {
    for (int k = 1; k <= 3; ++k) {
        Schermo f;
        ASSERT_TRUE(f.humanMayPlay());
        QTest::keyClick(&f.view, static_cast<Qt::Key>(Qt::Key_0 + k));
        EXPECT_EQ(f.w.m.game.lblNumeroCartaGiocataDaH, 3 + k) << k;
        // The computer is to play now: another key plays nothing.
        const int other = k % 3 + 1;
        QTest::keyClick(&f.view, static_cast<Qt::Key>(Qt::Key_0 + other));
        EXPECT_EQ(f.w.m.game.lblNumeroCartaGiocataDaH, 3 + k) << k;
        EXPECT_EQ(f.w.m.window.ImgCarta[3 + other].Top, place::TOP[3 + other]) << k;
    }
    // Nor while a panel or the exit frame covers the hand; Esc opens and closes the frame.
    Schermo f;
    f.w.routines.lblComandi_Click(menu::Options);
    QTest::keyClick(&f.view, Qt::Key_1);
    f.w.routines.lblComandi_Click(menu::Options);
    QTest::keyClick(&f.view, Qt::Key_Escape);
    ASSERT_TRUE(f.w.m.window.fraEsci.Visible);
    QTest::keyClick(&f.view, Qt::Key_2);
    EXPECT_EQ(f.w.m.game.lblNumeroCartaGiocataDaH, 0);
    QTest::keyClick(&f.view, Qt::Key_Escape);
    EXPECT_FALSE(f.w.m.window.fraEsci.Visible);
}

TEST(TableView, EnterStepsTheReviewAfterTheOpeningOfAGameIsCancelled) {
    QTemporaryDir folder;
    Schermo f(folder.path());
    ASSERT_TRUE(f.playToTheEnd());
    QTest::mouseClick(&f.view, Qt::LeftButton, {}, f.centro(geometry::endChoice(f.w.m.window.fraFineGioco, 0)));
    ASSERT_EQ(f.dialogs.richieste().size(), 1u);  // the open dialog came, and was cancelled
    ASSERT_TRUE(f.w.m.window.cmdScegliManche.Visible);
    const int phase = f.w.m.records.lblContaDati;
    QTest::keyClick(&f.view, Qt::Key_Return);
    EXPECT_NE(f.w.m.records.lblContaDati, phase);
    EXPECT_FALSE(f.w.m.window.lblIstruzionePannelloDati);
}

TEST(TableView, AskedToCloseTheWindowSaysGoodbyeWithTheSettingsSavedAndASecondRequestClosesIt) {
    QTemporaryDir folder;
    Schermo f(folder.path());
    f.w.routines.lblVoce_Click(index(Option::GameNoises));  // "Si" -> "No"
    int closings = 0;
    f.w.routines.uscita = [&] { ++closings; };
    EXPECT_FALSE(f.view.close());  // the farewell comes first
    EXPECT_TRUE(f.w.m.window.uscitaInCorso);
    EXPECT_TRUE(f.w.t.TimerEsci.enabled());
    EXPECT_EQ(CaricaImpostazioni(*f.files).options[index(Option::GameNoises)], "No");
    EXPECT_EQ(closings, 0);
    f.view.close();
    EXPECT_EQ(closings, 1);
    f.view.closeForGood();
    EXPECT_FALSE(f.view.isVisible());
}

TEST(TableView, TheReviewButtonsShowTheirWholeCaptionsAtTheDefaultSize) {
    Schermo f;
    f.view.resize(f.view.sizeHint());
    const Window& w = f.w.m.window;
    const Button* buttons[5] = {&w.cmdInizioAnalisi, &w.cmdScegliManche, &w.cmdTornaAlGioco, &w.cmdLoad, &w.cmdSave};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.view.reviewButtonText(i).toStdString(), buttons[i]->Caption) << i;
}

TEST(TitleView, TheEntryRefusesALeadingBlankAndWhatTheFilesCannotHoldThenEnterHandsOver) {
    Headless h;
    std::string nome;
    int consegne = 0;
    TitleWindow titolo(h.platform, [&](const std::string& n, const std::string&) {
        nome = n;
        ++consegne;
    });
    titolo.Form_Load();
    TitleView view(titolo, [](const std::string&) { return QString(); });
    view.resize(TitleView::WIDTH / 15, TitleView::HEIGHT / 15);
    view.show();
    QLineEdit* campo = view.nameEntry();
    QTest::keyClicks(campo, " ");
    EXPECT_EQ(campo->text(), "");
    // Typed one character at a time, as a keyboard would send them.
    for (QChar c : QString::fromUtf8("Zoë \"Ł\" Ann"))
        QTest::sendKeyEvent(QTest::Click, campo, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(campo->text(), QString::fromUtf8("Zoë  Ann"));  // the quote and the Ł are not taken
    QTest::keyClick(campo, Qt::Key_Return);
    EXPECT_EQ(nome, "Zoë  Ann");
    EXPECT_EQ(consegne, 1);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
