#include "adventure/frmADV.h"

#include "game/SharedObjects.h"
#include "platform/Look.h"
#include "platform/MsgBox.h"
#include "support/GameState.h"
#include "support/SampleGame.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Adventure : public testing::Test
{
protected:
    void SetUp() override
    {
        writeSampleGame(dir);
        gDebug = false;
        gCharData().setAccessLevel(0);
        ASSERT_EQ(gCharData().Read(dir.path(u"CharData.CSV"_s)), rcSuccess);
        ASSERT_EQ(gBtlRec().Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
        ASSERT_EQ(gBtlRec().Read_WinPoint(dir.path(u"BtlPoint.CSV"_s)), rcSuccess);
    }

    // Moves the pointer over `element` at `at`, as the window system reports it.
    static void pointAt(QWidget *element, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, element->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(element, &move);
    }

    // Shows the window and waits for what its first focus brings.
    void showAndSettle(frmADV &window)
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return label(window, u"lblADV0"_s)->isVisible(); }));
    }

    static QLabel *label(const frmADV &window, const QString &name)
    {
        return window.findChild<QLabel *>(name);
    }

    SavedGameState savedState;
    TestFolder dir;
};

TEST_F(Adventure, TotalsOfAFreshAndOfAUsedRecord)
{
    frmADV window;
    showAndSettle(window);
    EXPECT_EQ(label(window, u"lblADV0"_s)->text(),
              u"ただいまフリーバトルのみです\r\n\r\n対戦回数 0    総合得点 0\r\n0勝  0敗"_s);

    gBtlRec().IncUse(1);
    gBtlRec().IncUse(2);
    gBtlRec().IncWin(1, 2);
    gBtlRec().IncLose(2, 1);
    gBtlRec().IncPoint(1, 2);
    window.Print_TotalBtlRec();
    EXPECT_EQ(label(window, u"lblADV0"_s)->text(),
              u"ただいまフリーバトルのみです\r\n\r\n対戦回数 2    総合得点 12\r\n1勝  1敗"_s);
}

TEST_F(Adventure, OnlyTheFreeBattleButtonIsEverShownAndItAsksForOpenSides)
{
    frmADV window;
    showAndSettle(window);
    for (int i = 0; i < 4; ++i) {
        auto *button = window.findChild<QPushButton *>(u"cmdADV"_s + QString::number(i));
        EXPECT_EQ(button->isVisible(), i == 3) << i;
    }
    QSignalSpy requested(&window, &frmADV::battleRequested);
    QTest::mouseClick(window.findChild<QPushButton *>(u"cmdADV3"_s), Qt::LeftButton);
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested[0][0].value<std::int16_t>(), -1);
    EXPECT_EQ(requested[0][1].value<std::int16_t>(), -1);
    EXPECT_FALSE(window.isVisible()) << "the adventure screen hides for the battle";
}

TEST_F(Adventure, CaptionAndMenus)
{
    frmADV window;
    EXPECT_EQ(window.windowTitle(), u"Virelith  ｱﾄﾞﾍﾞﾝﾁｬｰｽｸﾘﾌﾟﾄ  Ver. 0.00 開発中"_s);
    EXPECT_FALSE(window.findChild<QMenu *>(u"mnuOption"_s)->isEnabled());
    EXPECT_FALSE(window.findChild<QMenu *>(u"mnuDebug"_s)->menuAction()->isVisible());
    QStringList top;
    for (QAction *action : window.menuBar()->actions())
        top << action->text();
    EXPECT_EQ(top, (QStringList{u"ﾌｧｲﾙ(&F)"_s, u"ｵﾌﾟｼｮﾝ(&O)"_s, u"ﾊﾞｰｼﾞｮﾝ情報(&V)"_s,
                                u"ﾃﾞﾊﾞｯｸﾞｵﾌﾟｼｮﾝ"_s}));
}

TEST_F(Adventure, DebugLineShowsWhatThePointerIsOver)
{
    for (bool debug : {false, true}) {
        gDebug = debug;
        frmADV window;
        showAndSettle(window);
        QLabel *line = label(window, u"lblDbgMes"_s);
        EXPECT_EQ(line->isVisible(), debug);
        // Clear of the picture and its frame, and wide enough for a long status.
        EXPECT_FALSE(line->geometry().intersects(label(window, u"imgADV0"_s)->geometry()));
        EXPECT_LE(line->fontMetrics().horizontalAdvance(
                      u"ContType:4  lID:0  Pointer:0  X:424.5  Y:80.25"_s),
                  line->width());
        pointAt(label(window, u"lblADV0"_s), QPoint(7, 5));
        EXPECT_EQ(line->text(),
                  debug ? u"ContType:2  lID:0  Pointer:0  X:7  Y:5"_s : u"ﾃﾞﾊﾞｯｸﾞﾒｯｾｰｼﾞ"_s);
        if (debug) {
            pointAt(label(window, u"imgADV0"_s), QPoint(3, 4));
            EXPECT_EQ(line->text(), u"ContType:3  lID:0  Pointer:0  X:3  Y:4"_s);
            pointAt(window.centralWidget(), QPoint(2, 9));
            EXPECT_EQ(line->text(), u"ContType:1  lID:0  Pointer:0  X:2  Y:9"_s);
        }
    }
}

// The half-width kana of the menus ("ﾊﾞｰｼﾞｮﾝ情報") keep their voiced marks whole.
TEST_F(Adventure, MenusAreInTheWindowsSizeFullyHinted)
{
    Look::install();
    frmADV window;
    window.show();
    // Fonts are settled as the window is shown.
    QCoreApplication::processEvents();
    QMenu *file = window.menuBar()->actions().front()->menu();
    for (const QWidget *menu :
         {static_cast<QWidget *>(window.menuBar()), static_cast<QWidget *>(file)}) {
        EXPECT_EQ(menu->font().pointSizeF(), 9) << menu->metaObject()->className();
        EXPECT_EQ(menu->font().hintingPreference(), QFont::PreferFullHinting)
            << menu->metaObject()->className();
    }
}

TEST_F(Adventure, TheButtonAndTheMenusWorkFromTheKeys)
{
    frmADV window;
    showAndSettle(window);
    auto *button = window.findChild<QPushButton *>(u"cmdADV3"_s);
    EXPECT_EQ(window.focusWidget(), button) << "the button takes the keys";
    QSignalSpy asked(&window, &frmADV::battleRequested);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        window.show();
        QTest::keyClick(window.focusWidget(), key);
        EXPECT_FALSE(window.isVisible()) << key;
    }
    EXPECT_EQ(asked.count(), 2);

    int boxes = 0;
    setMsgBoxHook([&](const MsgBoxRequest &) {
        ++boxes;
        return IDCANCEL;
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    auto *file = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(file, nullptr) << "Alt+F opens the file menu";
    QTest::keyClick(file, Qt::Key_X);
    EXPECT_EQ(boxes, 1) << "X chooses the exit entry, which asks";
    EXPECT_TRUE(window.isVisible());
    QSignalSpy version(&window, &frmADV::versionRequested);
    QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(version.count(), 1);
    setMsgBoxHook({});
}

TEST_F(Adventure, ExitMenuAsksAndOkClosesEverything)
{
    int answer = IDCANCEL;
    int asked = 0;
    setMsgBoxHook([&](const MsgBoxRequest &) {
        ++asked;
        return answer;
    });
    frmADV window;
    QWidget other;
    showAndSettle(window);
    other.show();
    QAction *exit = nullptr;
    for (QAction *action : window.menuBar()->actions().first()->menu()->actions()) {
        if (action->text() == u"ｹﾞｰﾑを終了する(&X)"_s)
            exit = action;
    }
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_TRUE(window.isVisible()) << "Cancel keeps the program";
    answer = IDOK;
    exit->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(other.isVisible()) << "every window closes";
    EXPECT_EQ(asked, 2) << "the close that follows OK does not ask again";
    setMsgBoxHook({});
}

} // namespace
