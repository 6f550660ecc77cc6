#include "app/frmTitle.h"

#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "data/basCodec.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/MsgBox.h"
#include "support/GameState.h"
#include "support/SampleGame.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>

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

    // Starts the game's windows as the program does; true when the adventure screen opened
    // over what was loaded.
    bool load()
    {
        GameWindows windows;
        windows.title().show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.title().isVisible(); }, 10000));
        const bool opened = windows.adventure().isVisible();
        // It shows the record's totals once it is on screen.
        QCoreApplication::processEvents();
        windows.adventure().hide();
        return opened;
    }

    SavedGameState savedState;
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

// What start-up does to the player's record when a file is damaged.
enum class Record {
    Fresh, // none was there: a fresh one is written
    Kept,  // left exactly as it was
    Moved, // damaged: kept as BtlRec.CSV.bad, a fresh one in its place
    Taken, // read as it stands: a save writes it back with this version's line
};

// Turns a file's bytes into the damaged ones; no bytes remove the file.
using Edit = std::function<std::optional<QByteArray>(const QByteArray &)>;

struct Damage
{
    QString file;
    const char *what;
    Edit damage;
    QString message; // empty: no box, the game opens
    Record record = Record::Kept;
};

std::optional<QByteArray> removed(const QByteArray &)
{
    return std::nullopt;
}

std::optional<QByteArray> emptied(const QByteArray &)
{
    return QByteArray();
}

std::optional<QByteArray> firstHalf(const QByteArray &bytes)
{
    return bytes.first(bytes.size() / 2);
}

std::optional<QByteArray> codedWhole(const QByteArray &bytes)
{
    QByteArray file = bytes;
    const std::int32_t trailer = basCodec::EncodeWithTrailer(file);
    return file + basCodec::TrailerBytes(trailer);
}

std::optional<QByteArray> otherVersion(const QByteArray &bytes)
{
    QByteArray file = bytes;
    return file.replace("Ver.1.00", "Ver.2.00");
}

auto replaced(const char *from, const char *to)
{
    return [from, to](const QByteArray &bytes) -> std::optional<QByteArray> {
        QByteArray file = bytes;
        return file.replace(cp932Lines(QString::fromUtf8(from)), cp932Lines(QString::fromUtf8(to)));
    };
}

// The file damaged by `damage`, then coded: intact as a coded file.
Edit thenCoded(const Edit &damage)
{
    return [damage](const QByteArray &bytes) {
        return codedWhole(*damage(bytes));
    };
}

// The file coded, then damaged by `damage`.
Edit codedThen(const Edit &damage)
{
    return [damage](const QByteArray &bytes) {
        return damage(*codedWhole(bytes));
    };
}

std::optional<QByteArray> bodyByteChanged(const QByteArray &bytes)
{
    QByteArray file = bytes;
    file[20] = static_cast<char>(file[20] ^ 0x01);
    return file;
}

std::optional<QByteArray> trailerByteChanged(const QByteArray &bytes)
{
    QByteArray file = bytes;
    file[file.size() - 4] = static_cast<char>(file[file.size() - 4] ^ 0x01);
    return file;
}

// A record of three characters after a few battles.
const QString kRecord = u"BtlRecVer.1.00\n5,0-0-0,2-1-24,1-2-12\n3,1-2-11,0-0-0,0-1-0\n0\n"_s;

TEST_F(TitleLoad, EachDamagedFileGivesItsMessageAndNeverLosesTheRecord)
{
    const QString chars = u"キャラクターデータ\r\n読み込み\r\n"_s;
    const QString cards = u"カードデータ\r\n読み込み\r\n"_s;
    const QString record = u"戦績データ\r\n読み込み"_s;
    const QString points = u"勝利ポイントテーブル\r\n読み込み"_s;
    const QString vs = u"戦闘画面用データ\r\n読み込み"_s;
    const QString open = u"エラー\r\nファイルオープン"_s;
    const QString other = u"エラー\r\nその他のエラー"_s;
    const QString data = u"エラー\r\nデータエラー"_s;
    const QString checksum = u"エラー\r\nチェックサムエラー"_s;
    const QString version = u"エラー\r\nデータバージョンが違う"_s;
    const QString close = u"エラー\r\nファイルクローズ"_s;
    const QString noPicture = u"エラー\r\n画像ファイルが存在しない"_s;
    const QString charFile = u"CharData.CSV"_s;
    const QString cardFile = u"CardData.CSV"_s;
    const QString recordFile = u"BtlRec.CSV"_s;
    const QString pointFile = u"BtlPoint.CSV"_s;
    const QString vsFile = u"Vs.CSV"_s;
    // A table's picture name stays until another picture stops it, so each table's picture
    // cases come last.
    const Damage damages[] = {
        {charFile, "missing", removed, chars + open},
        {charFile, "empty", emptied, chars + open},
        {charFile, "truncated", firstHalf, {}},
        {charFile, "coded, truncated", codedThen(firstHalf), chars + checksum},
        {charFile, "other version", otherVersion, chars + checksum},
        {charFile, "coded, other version", thenCoded(otherVersion), chars + version},
        {charFile, "coded, damaged body", codedThen(bodyByteChanged), chars + checksum},
        {charFile, "coded, damaged trailer", codedThen(trailerByteChanged), chars + checksum},
        {charFile, "bad number", replaced(",60,12,", ",6O,12,"), chars + data},
        {charFile, "open quote", replaced(",キャラ2,", ",\"キャラ2,"), chars + data},
        {charFile, "missing picture", replaced("face2.bmp", "face9.bmp"),
         chars + u"face9.bmp"_s + noPicture},

        {cardFile, "missing", removed, cards + open},
        {cardFile, "empty", emptied, cards + open},
        {cardFile, "truncated", firstHalf, cards + data},
        {cardFile, "coded, truncated", codedThen(firstHalf), cards + checksum},
        {cardFile, "other version", otherVersion, cards + checksum},
        {cardFile, "coded, other version", thenCoded(otherVersion), cards + version},
        {cardFile, "coded, damaged body", codedThen(bodyByteChanged), cards + checksum},
        {cardFile, "coded, damaged trailer", codedThen(trailerByteChanged), cards + checksum},
        {cardFile, "bad number", replaced(",9,3,4,1,", ",9,3,4,-1,"), cards + data},
        {cardFile, "open quote", replaced(",癒しの光,", ",\"癒しの光,"), cards + data},
        {cardFile, "missing card picture", replaced("card2.bmp", "card9.bmp"),
         cards + u"card9.bmp"_s + noPicture},
        {cardFile, "missing background", replaced("bg1.bmp", "bg9.bmp"),
         cards + u"bg9.bmp"_s + noPicture},

        {recordFile, "missing", removed, {}, Record::Fresh},
        {recordFile, "empty", emptied, record + open, Record::Kept},
        {recordFile, "coded, truncated", codedThen(firstHalf), {}, Record::Moved},
        {recordFile, "truncated", firstHalf, record + other, Record::Kept},
        {recordFile, "coded, other version", thenCoded(otherVersion), {}, Record::Taken},
        {recordFile, "other version", otherVersion, {}, Record::Moved},
        {recordFile, "coded, damaged body", codedThen(bodyByteChanged), {}, Record::Moved},
        {recordFile, "coded, damaged trailer", codedThen(trailerByteChanged), {}, Record::Moved},
        {recordFile, "coded, bad number", thenCoded(replaced(",2-1-24,", ",2-x-24,")),
         record + other, Record::Kept},
        {recordFile, "open quote", replaced(",2-1-24,", ",\"2-1-24,"), record + other,
         Record::Kept},

        {pointFile, "missing", removed, points + other},
        {pointFile, "empty", emptied, points + open},
        {pointFile, "truncated", firstHalf, {}},
        {pointFile, "coded, truncated", codedThen(firstHalf), points + checksum},
        {pointFile, "coded, damaged body", codedThen(bodyByteChanged), points + checksum},
        {pointFile, "coded, damaged trailer", codedThen(trailerByteChanged), points + checksum},
        {pointFile, "bad number", replaced(",12,", ",1z,"), points + data},
        {pointFile, "open quote", replaced(",12,", ",\"12,"), points + data},

        {vsFile, "missing", removed, vs + open},
        {vsFile, "empty", emptied, vs + open},
        {vsFile, "truncated in the version line",
         [](const QByteArray &b) { return std::optional<QByteArray>(b.first(10)); }, vs + other},
        {vsFile, "coded, truncated", codedThen(firstHalf), vs + checksum},
        {vsFile, "other version", otherVersion, vs + checksum},
        {vsFile, "coded, other version", thenCoded(otherVersion), vs + version},
        {vsFile, "coded, damaged body", codedThen(bodyByteChanged), vs + checksum},
        {vsFile, "coded, damaged trailer", codedThen(trailerByteChanged), vs + checksum},
        {vsFile, "open quote", replaced("MusWin,", "\"MusWin,"), vs + data},
    };

    int tried = 0;
    for (const Damage &d : damages) {
        for (const bool debug : {false, true}) {
            const std::string what =
                d.file.toStdString() + ", " + d.what + (debug ? ", debug" : "");
            TestFolder game;
            writeSampleGame(game);
            game.write(recordFile, cp932Lines(kRecord));
            const std::optional<QByteArray> damaged = d.damage(game.read(d.file));
            if (damaged)
                game.write(d.file, *damaged);
            else
                QFile::remove(game.path(d.file));
            const QByteArray recordBefore = game.read(recordFile);
            gAppPath = game.folder();
            gDebug = debug;
            answer = IDYES;
            boxes.clear();
            ++tried;

            const bool opened = load();
            if (d.message.isEmpty()) {
                EXPECT_TRUE(opened) << what;
                EXPECT_TRUE(boxes.isEmpty()) << what << ": " << boxes.value(0).text.toStdString();
            } else {
                if (boxes.isEmpty()) {
                    ADD_FAILURE() << what << ": no box";
                    continue;
                }
                EXPECT_EQ(boxes[0].text,
                          debug ? d.message + u"\r\n\r\n続行しますか？"_s : d.message)
                    << what;
                EXPECT_EQ(boxes[0].style, debug ? MB_YESNO | MB_ICONWARNING : MB_ICONWARNING)
                    << what;
                EXPECT_EQ(opened, debug) << what << ": debug mode goes on, else the game ends";
                if (!debug) {
                    EXPECT_EQ(boxes.size(), 1) << what;
                }
            }

            // Going on, the player fights a battle, which saves the record.
            if (opened)
                gBtlRec().Save(gBtlRec().GetPath());
            const bool recordDamaged = d.file == recordFile;
            switch (recordDamaged ? d.record : Record::Kept) {
            case Record::Taken:
                EXPECT_EQ(gBtlRec().UseAll(), 8) << what;
                EXPECT_EQ(game.read(recordFile), *codedWhole(cp932Lines(kRecord))) << what;
                break;
            case Record::Kept:
                EXPECT_EQ(game.read(recordFile), recordBefore) << what;
                EXPECT_FALSE(QFile::exists(game.path(recordFile + u".bad"_s))) << what;
                break;
            case Record::Moved:
                EXPECT_EQ(game.read(recordFile + u".bad"_s), recordBefore) << what;
                [[fallthrough]];
            case Record::Fresh: {
                EXPECT_EQ(gBtlRec().UseAll(), 0) << what;
                const QByteArray fresh =
                    cp932Lines(u"BtlRecVer.1.00\n"_s + u"0,0-0-0,0-0-0,0-0-0\n"_s.repeated(3));
                EXPECT_EQ(game.read(recordFile), gBtlRec().Codec() ? *codedWhole(fresh) : fresh)
                    << what;
                break;
            }
            }
        }
    }
    std::printf("damaged files tried: %d, each with and without debug mode\n", tried / 2);
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

// Closing the title window while it loads (by its close box, or by a signal to end) ends the
// program: the loading stops and the adventure screen never opens.
TEST_F(TitleLoad, ClosingTheWindowWhileItLoadsStopsTheLoading)
{
    GameWindows windows;
    windows.title().show();
    // Runs at the loading's first wait for the caption to paint.
    QTimer::singleShot(0, &windows.title(), [&] { windows.title().close(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !windows.title().isVisible(); }, 10000));
    QTest::qWait(50);
    EXPECT_FALSE(windows.adventure().isVisible());
    EXPECT_FALSE(QFile::exists(dir.path(u"BtlRec.CSV"_s))) << "the record step never ran";
    EXPECT_TRUE(boxes.isEmpty());
}

} // namespace
