#include "app/frmTitle.h"

#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/MsgBox.h"
#include "support/SampleGame.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Runs the title window's loading over a game folder and records every box it shows.
class TitleLoad : public testing::Test
{
protected:
    void SetUp() override
    {
        writeSampleGame(dir);
        gAppPath = dir.folder();
        gDebug = false;
        setMsgBoxHook([this](const MsgBoxRequest &request) {
            boxes.append(request);
            return answer;
        });
    }
    void TearDown() override { setMsgBoxHook({}); }

    // True when the adventure screen was asked for.
    bool load()
    {
        frmTitle title;
        QSignalSpy loaded(&title, &frmTitle::loaded);
        title.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !title.isVisible(); }, 10000));
        return loaded.count() == 1;
    }

    TestFolder dir;
    QList<MsgBoxRequest> boxes;
    int answer = IDOK;
};

TEST_F(TitleLoad, AllFilesValidOpensTheAdventureScreenWithoutABox)
{
    EXPECT_TRUE(load());
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(gCharCount, 3);
    EXPECT_TRUE(QFile::exists(dir.path(u"BtlRec.CSV"_s))) << "a fresh record is written";
}

struct Failure
{
    const char *what;
    QString file;
    QByteArray content; // empty: the file is removed
    QString message;
};

TEST_F(TitleLoad, EachFailingStepReportsItsDataAndCode)
{
    const Failure failures[] = {
        {"character table missing",
         u"CharData.CSV"_s,
         {},
         u"キャラクターデータ\r\n読み込み\r\nエラー\r\nファイルオープン"_s},
        {"face picture missing",
         u"face2.bmp"_s,
         {},
         u"キャラクターデータ\r\n読み込み\r\nface2.bmpエラー\r\n画像ファイルが存在しない"_s},
        {"card table of another version", u"CardData.CSV"_s, "Card  Ver.9.99\r\n",
         u"カードデータ\r\n読み込み\r\nエラー\r\nチェックサムエラー"_s},
        {"card picture missing",
         u"card2.bmp"_s,
         {},
         u"カードデータ\r\n読み込み\r\ncard2.bmpエラー\r\n画像ファイルが存在しない"_s},
        {"record with a bad cell", u"BtlRec.CSV"_s, "BtlRecVer.1.00\r\n1,2\r\n",
         u"戦績データ\r\n読み込みエラー\r\nその他のエラー"_s},
        {"win points missing",
         u"BtlPoint.CSV"_s,
         {},
         u"勝利ポイントテーブル\r\n読み込みエラー\r\nその他のエラー"_s},
        {"battle data with an open quote", u"Vs.CSV"_s, "StrLstVer.1.00\r\n\"MusWin,a\r\n",
         u"戦闘画面用データ\r\n読み込みエラー\r\nデータエラー"_s},
    };
    // The name that stopped a table's read stays until another stops it, so each table's case
    // without a name comes first.
    for (const Failure &f : failures) {
        TestFolder game;
        writeSampleGame(game);
        gAppPath = game.folder();
        if (f.content.isEmpty())
            QFile::remove(game.path(f.file));
        else
            game.write(f.file, f.content);
        boxes.clear();
        EXPECT_FALSE(load()) << f.what;
        ASSERT_EQ(boxes.size(), 1) << f.what;
        EXPECT_EQ(boxes[0].text, f.message) << f.what;
        EXPECT_EQ(boxes[0].style, MB_ICONWARNING) << f.what;
    }
}

TEST_F(TitleLoad, DebugModeAsksAndGoesOnOrStops)
{
    gDebug = true;
    QFile::remove(dir.path(u"face1.bmp"_s));
    answer = IDYES;
    EXPECT_TRUE(load()) << "Yes goes on to the adventure screen";
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, u"キャラクターデータ\r\n読み込み\r\nface1.bmpエラー\r\n"
                             u"画像ファイルが存在しない\r\n\r\n続行しますか？"_s);
    EXPECT_EQ(boxes[0].style, MB_YESNO | MB_ICONWARNING);

    boxes.clear();
    answer = IDNO;
    EXPECT_FALSE(load()) << "No stops";
    EXPECT_EQ(boxes.size(), 1);
}

} // namespace
