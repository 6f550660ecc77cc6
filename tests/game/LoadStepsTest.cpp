#include "game/LoadSteps.h"

#include "GameFiles.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "support/GameState.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(LoadSteps, FiveStepsInTheirOrderWithStrictPictures)
{
    const SavedGameState savedState;
    TestFolder dir;
    writePicture(dir, u"f.bmp"_s);
    dir.writeText(u"CharData.CSV"_s, u"Char  Ver.1.00\n1,A,c,f.bmp,m.mid\n2,B,c,none.bmp\n"_s);
    dir.writeText(u"CardData.CSV"_s, u"Card  Ver.1.00\nAbs,f.bmp\n1,C,p,e,c,f.bmp,9,0,1,0,0\n"_s);
    dir.writeText(u"BtlPoint.CSV"_s, u"1,2\n3,4\n"_s);
    dir.writeText(u"Vs.CSV"_s, u"StrLstVer.1.00\nMusWin,w.mid\n"_s);

    const std::array<LoadStep, 5> &steps = LoadSteps();
    QStringList files;
    for (const LoadStep &step : steps)
        files += step.fileName;
    EXPECT_EQ(files, (QStringList{u"CharData.CSV"_s, u"CardData.CSV"_s, u"BtlRec.CSV"_s,
                                  u"BtlPoint.CSV"_s, u"Vs.CSV"_s}));
    EXPECT_EQ(steps[CharacterStep].caption, u"キャラクターデータ"_s);
    EXPECT_TRUE(steps[RecordStep].mayWriteFile);
    EXPECT_FALSE(steps[RecordStep].errorMessageEX) << "only the tables name a picture";

    gCharData().setAccessLevel(0);
    EXPECT_EQ(steps[CharacterStep].run(dir.path(steps[CharacterStep].fileName)), rcPictureNotFound)
        << "the step itself makes pictures strict";
    EXPECT_EQ(steps[CharacterStep].errorMessageEX(), u"none.bmp"_s);
    EXPECT_EQ(steps[CharacterStep].failedLine().number, 3);

    dir.writeText(u"CharData.CSV"_s, u"Char  Ver.1.00\n1,A,c,f.bmp\n2,B,c,f.bmp\n"_s);
    for (const LoadStep &step : steps)
        EXPECT_EQ(step.run(dir.path(step.fileName)), rcSuccess) << step.fileName.toStdString();
    EXPECT_EQ(gCardCount, 1);
    EXPECT_EQ(gBtlRec().WinPoint(2, 1), 3);
    EXPECT_EQ(gStrList().Item(u"MusWin"), u"w.mid"_s);
    EXPECT_TRUE(dir.read(u"BtlRec.CSV"_s).size() > 0) << "a fresh record is saved";
}

TEST(LoadSteps, LenientPicturesAreLeftOutAndFailuresReadAsTheTitleWindowShowsThem)
{
    const SavedGameState savedState;
    TestFolder dir;
    dir.writeText(u"CharData.CSV"_s, u"Char  Ver.1.00\n1,A,c,none.bmp\n"_s);

    const LoadStep &lenient = LoadSteps(PictureRule::Lenient)[CharacterStep];
    ASSERT_EQ(lenient.run(dir.path(lenient.fileName)), rcSuccess);
    EXPECT_EQ(gCharCount, 1);
    EXPECT_FALSE(gChars[1].HasPicture);

    const LoadStep &strict = LoadSteps()[CharacterStep];
    const ResultCode code = strict.run(dir.path(strict.fileName));
    ASSERT_EQ(code, rcPictureNotFound);
    EXPECT_EQ(strict.loadingText(u"\r\n"), u"キャラクターデータ\r\n読み込み"_s);
    EXPECT_EQ(strict.failureText(code, u"\n"),
              u"キャラクターデータ\n読み込み\nnone.bmpエラー\n画像ファイルが存在しない"_s);
    const LoadStep &battleData = LoadSteps()[BattleDataStep];
    EXPECT_EQ(battleData.failureText(rcFileOpen, u"\n"),
              u"戦闘画面用データ\n読み込みエラー\nファイルオープン"_s)
        << "no picture line for a step that names none";
}

} // namespace
