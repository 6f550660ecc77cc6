#include "LoadedGame.h"

#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "battle/BattleEngine.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/frmVs.h"
#include "game/LoadSteps.h"
#include "game/SharedObjects.h"
#include "support/SampleGame.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxTurns = 200;

void click(QWidget *widget)
{
    const QPoint at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    QTest::mouseClick(widget, Qt::LeftButton);
    // A click's work is queued; it runs here, nested waits and all.
    QCoreApplication::processEvents();
}

} // namespace

LoadedGame::LoadedGame()
{
    QApplication::setQuitOnLastWindowClosed(false);
    writeSampleGame(dir);
    gAppPath = dir.folder();
    gStrList().RemoveAll();
    for (const LoadStep &step : LoadSteps())
        EXPECT_EQ(step.run(dir.path(step.fileName)), rcSuccess) << step.fileName.toStdString();
}

LoadedGame::~LoadedGame()
{
    gStrList().RemoveAll();
}

clsBattleRecord LoadedGame::saved() const
{
    clsBattleRecord record;
    EXPECT_EQ(record.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    return record;
}

bool playBattleByMouse(GameWindows &windows)
{
    auto *freeBattle = windows.adventure().findChild<QWidget *>(u"cmdADV3"_s);
    if (!QTest::qWaitFor([&] { return freeBattle->isVisible(); }))
        return false;
    frmVs &battle = windows.battle();
    battle.animeTimer().setRate(50);
    QSignalSpy returned(&battle, &frmVs::returnToAdventure);
    click(freeBattle);
    if (!QTest::qWaitFor(
            [&] { return battle.engine().State().Phase == kPhaseSelecting && battle.isVisible(); }))
        return false;
    for (int face : {1, 2})
        click(battle.findChild<QWidget *>(u"imgChar"_s + QString::number(face)));
    for (int turn = 0; turn < kMaxTurns && returned.isEmpty(); ++turn) {
        QWidget *leftmost = nullptr;
        for (int pos = 5; pos >= 0; --pos) {
            QWidget *card = battle.findChild<QWidget *>(u"picCard"_s + QString::number(pos));
            if (!card->isHidden())
                leftmost = card;
        }
        if (!leftmost)
            break;
        click(leftmost);
        click(leftmost);
    }
    return returned.count() == 1;
}
