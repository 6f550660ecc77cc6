#include "app/GameWindows.h"

#include "adventure/frmADV.h"
#include "battle/BattleEngine.h"
#include "battle_view/frmVs.h"
#include "game/SharedObjects.h"
#include "support/GameState.h"
#include "support/SampleGame.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(GameWindows, TheAdventureScreenAndTheBattleWindowHandOverToEachOther)
{
    const SavedGameState savedState;
    TestFolder dir;
    writeSampleGame(dir);
    gAppPath = dir.folder();
    ASSERT_EQ(gCharData().Read(dir.path(u"CharData.CSV"_s)), rcSuccess);
    ASSERT_EQ(gBtlRec().Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    QApplication::setQuitOnLastWindowClosed(false);

    GameWindows windows;
    frmADV &adventure = windows.adventure();
    adventure.show();
    auto *freeBattle = adventure.findChild<QPushButton *>(u"cmdADV3"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return freeBattle->isVisible(); }));
    const auto battleWindows = [] {
        const QWidgetList shown = QApplication::topLevelWidgets();
        return std::count_if(shown.begin(), shown.end(), [](const QWidget *window) {
            return qobject_cast<const frmVs *>(window) != nullptr;
        });
    };
    EXPECT_EQ(battleWindows(), 0) << "the battle window is made when a battle is asked for";

    QTest::mouseClick(freeBattle, Qt::LeftButton);
    EXPECT_EQ(battleWindows(), 1);
    frmVs &battle = windows.battle();
    EXPECT_TRUE(battle.isVisible());
    EXPECT_FALSE(adventure.isVisible());
    EXPECT_EQ(battle.engine().State().VsChr, (std::array<std::int16_t, 2>{-1, -1}));
    QCoreApplication::processEvents();
    EXPECT_EQ(battle.engine().State().Phase, kPhaseSelecting) << "both sides are to be chosen";

    // The version box opens over the battle window, owned by it.
    QWidget *owner = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (box) {
            owner = box->parentWidget();
            box->close();
        }
    });
    emit battle.versionRequested();
    EXPECT_EQ(owner, &battle);

    // The end of a battle shows the adventure screen again with fresh totals.
    gBtlRec().IncUse(1);
    battle.hide();
    emit battle.returnToAdventure();
    EXPECT_TRUE(adventure.isVisible());
    EXPECT_TRUE(adventure.findChild<QLabel *>(u"lblADV0"_s)->text().contains(u"対戦回数 1"_s));
}

} // namespace
