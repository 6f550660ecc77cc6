// A battle record that cannot be saved: the battles go on and count on screen, and the player
// is told once, after the battle, which file and why, and sees on the adventure screen that
// the record is not being saved.
#include "LoadedGame.h"
#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "battle/BattleEngine.h"
#include "battle_view/frmVs.h"
#include "data/basGlobal.h"
#include "game/SharedObjects.h"
#include "platform/MsgBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A box as the player met it.
struct Box
{
    QString text;
    int style;
    // Shown once the battle was over: its window hidden, the adventure screen back, the
    // battle's own calls returned.
    bool afterTheBattle;
};

// What keeps the record from its file while it lives.
using Cause = std::function<std::shared_ptr<void>(const LoadedGame &)>;

const struct
{
    const char *name;
    Cause cause;
    ResultCode result;
    // The record from before the cause stays in its file.
    bool oldFileStays;
} kCauses[] = {
    {"read-only folder",
     [](const LoadedGame &game) { return std::make_shared<ReadOnlyFolder>(game.dir.folder()); },
     rcFileOpen, true},
    {"full disk",
     [](const LoadedGame &) {
         // Room for nothing but a few bytes of the record.
         return std::make_shared<FileSizeLimit>(8);
     },
     rcWriteError, true},
    {"a folder where the record should be",
     [](const LoadedGame &game) -> std::shared_ptr<void> {
         const QString record = game.dir.path(u"BtlRec.CSV"_s);
         QFile::remove(record);
         QDir().mkdir(record);
         return std::shared_ptr<void>(nullptr, [record](void *) { QDir().rmdir(record); });
     },
     rcFileOpen, false},
};

TEST(RecordWarning, AFailedSaveIsToldOnceAfterTheBattleAndShownUntilASaveSucceeds)
{
    for (const auto &c : kCauses) {
        LoadedGame game;
        GameWindows windows;
        frmADV &adventure = windows.adventure();
        adventure.show();
        QList<Box> boxes;
        setMsgBoxHook([&](const MsgBoxRequest &request) {
            frmVs &battle = windows.battle();
            boxes += {request.text, request.style,
                      !battle.isVisible() && adventure.isVisible() && !battle.engine().Busy()};
            return IDOK;
        });
        auto *notice = adventure.findChild<QLabel *>(u"lblRecNotice"_s);
        ASSERT_NE(notice, nullptr);
        const QString record = QDir::toNativeSeparators(game.dir.path(u"BtlRec.CSV"_s));
        const QByteArray before = game.dir.read(u"BtlRec.CSV"_s);

        std::shared_ptr<void> cause = c.cause(game);
        for (int battle = 1; battle <= 2; ++battle) {
            ASSERT_TRUE(playBattleByMouse(windows)) << c.name;
            // The box waits for the battle's calls to return.
            QCoreApplication::processEvents();
            EXPECT_EQ(boxes.size(), 1) << c.name << ", battle " << battle << ": once a run";
            EXPECT_TRUE(notice->isVisible()) << c.name << ", battle " << battle;
            EXPECT_TRUE(notice->toolTip().contains(record)) << c.name;
            EXPECT_EQ(gBtlRec().UseChr(1), battle) << c.name << ": the battles still count";
        }
        ASSERT_EQ(boxes.size(), 1) << c.name;
        const Box &box = boxes.front();
        EXPECT_TRUE(box.afterTheBattle) << c.name;
        EXPECT_EQ(box.style, MB_ICONWARNING) << c.name;
        EXPECT_TRUE(box.text.contains(record)) << c.name << ": " << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(basGlobal::ResultMessage(c.result)))
            << c.name << ": " << box.text.toStdString();
        cause.reset();
        EXPECT_EQ(game.dir.read(u"BtlRec.CSV"_s), c.oldFileStays ? before : QByteArray())
            << c.name << ": nothing reached the file";

        // Saved again: the notice goes, and nothing more is said.
        ASSERT_TRUE(playBattleByMouse(windows)) << c.name;
        QCoreApplication::processEvents();
        EXPECT_FALSE(notice->isVisible()) << c.name;
        EXPECT_EQ(boxes.size(), 1) << c.name;
        EXPECT_EQ(game.saved().UseChr(1), 3) << c.name << ": the whole record reached the file";
        setMsgBoxHook({});
    }
}

} // namespace
