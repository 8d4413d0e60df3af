// The windows' widgets on the offscreen platform: they draw the model and hand the mouse, the keys
// and closing to the window's routines, whose rules tests/ui checks without a window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "platform/files.h"
#include "platform/headless.h"
#include "records/settings.h"
#include "support/test_main.h"
#include "ui/qt/table_view.h"
#include "ui/qt/title_view.h"
#include "ui/table_geometry.h"
#include "ui/title_window.h"

using namespace zelvo;

static QString noFiles(const std::string&) { return {}; }  // no pictures: the widgets draw without them

TEST(TableView, ThePointerTheKeysAndClosingReachWhatLiesUnderThem) {
    QTemporaryDir folder;
    Headless h;
    FileSystem files(DataRoots{{}, folder.path().toStdString()});
    h.platform.files = &files;
    TestMain w(h.platform);
    TableView view(w, w.routines, noFiles);
    w.m.playerName = "Anna";
    w.Form_Load();
    w.m.options.text(Option::AutoTaking) = "No";
    h.scheduler.advance(8 * 450);  // the deal
    view.resize(geometry::WIDTH / 15, geometry::HEIGHT / 15);  // 15 twips a pixel
    view.show();
    auto at = [](const geometry::Rect& r) { return QPointF(r.left + r.width / 2, r.top + r.height / 2) / 15; };
    auto click = [&](const geometry::Rect& r) { QTest::mouseClick(&view, Qt::LeftButton, {}, at(r).toPoint()); };
    const Window& f = w.m.window;

    click(geometry::card(f.ImgCarta[5]));
    EXPECT_EQ(w.m.game.lblNumeroCartaGiocataDaH, 5);
    h.scheduler.advance(3000);  // the computer answers
    QTest::keyClick(&view, Qt::Key_Return);
    h.scheduler.advance(20);
    EXPECT_EQ(w.m.game.lblManche, 2);
    h.scheduler.advance(3000);  // whoever leads, the human is to play now
    QTest::keyClick(&view, Qt::Key_1);
    EXPECT_EQ(w.m.game.lblNumeroCartaGiocataDaH, 4);
    click(geometry::RULES_CAPTION);
    EXPECT_EQ(w.m.records.lblContinuaregole, "Clicca qui per continuare > 2");

    EXPECT_TRUE(view.toolTipAt(at(geometry::NAME_H) * 15).contains("sfondo rosso"));
    click(geometry::menuEntry(menu::Options));
    const int noises = index(Option::GameNoises);
    const geometry::Rect caption = geometry::optionCaption(noises), value = geometry::optionValue(noises);
    QTest::mouseMove(&view, at(caption).toPoint());
    EXPECT_TRUE(w.m.options.lblOpzioneEvidenziata[noises]);
    EXPECT_EQ(view.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&view, at(value).toPoint());
    EXPECT_FALSE(w.m.options.lblOpzioneEvidenziata[noises]);
    EXPECT_EQ(view.toolTipAt(at(value) * 15), QString::fromUtf8(toolTipOf(Option::GameNoises)));
    click(value);
    EXPECT_EQ(w.m.options.lblOpzione[noises], "No");
    click(geometry::menuEntry(menu::Albo));
    click(geometry::REGISTER_LIST);
    EXPECT_TRUE(f.cmdSetFocusAlbo.focus);
    QTest::keyClick(&view, Qt::Key_Escape);
    ASSERT_TRUE(f.fraEsci.Visible);
    click(geometry::exitAnswer(f.fraEsci, 1));  // "- Non ancora..."
    EXPECT_FALSE(f.fraEsci.Visible);

    // At the default size every review button shows its whole caption, as the view measures it.
    view.resize(view.sizeHint());
    const Button* review[5] = {&f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco, &f.cmdLoad, &f.cmdSave};
    for (int i = 0; i < 5; ++i) {
        ASSERT_FALSE(review[i]->Caption.empty()) << i;
        EXPECT_EQ(view.reviewButtonText(i).toStdString(), review[i]->Caption) << i;
    }

    // Asked to close, the table says goodbye with the settings saved; a second request closes it.
    int closings = 0;
    w.routines.uscita = [&] { ++closings; };
    EXPECT_FALSE(view.close());
    EXPECT_TRUE(w.t.TimerEsci.enabled());
    EXPECT_EQ(CaricaImpostazioni(files).options[noises], "No");
    view.close();
    EXPECT_EQ(closings, 1);
    view.closeForGood();
    EXPECT_TRUE(view.close());
}

TEST(TitleView, TheEntryRefusesWhatTheFilesCannotHoldAndEnterHandsTheNameOver) {
    Headless h;
    std::vector<std::string> handed;
    TitleWindow title(h.platform, [&](const std::string& name, const std::string&) { handed.push_back(name); });
    title.Form_Load();
    TitleView view(title, noFiles);
    view.show();
    QLineEdit* entry = view.nameEntry();
    for (QChar c : QString::fromUtf8("Zoë \"Ł\" Ann"))  // one character at a time, as a keyboard sends them
        QTest::sendKeyEvent(QTest::Click, entry, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(entry->text(), QString::fromUtf8("Zoë  Ann"));  // the quote and the Ł are not taken
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(handed, std::vector<std::string>{"Zoë  Ann"});
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
