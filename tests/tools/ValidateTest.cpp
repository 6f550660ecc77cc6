#include "GameFolder.h"
#include "ToolRun.h"
#include "game/GameFiles.h"
#include "support/SampleGame.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Every file under `folder` with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(path, file.readAll());
    }
    return files;
}

QString replaced(QString text, const QString &from, const QString &to)
{
    return text.replace(from, to);
}

// A data file: `text` with `from` replaced by `to`.
QByteArray text(const QString &text, const QString &from, const QString &to)
{
    return cp932Lines(replaced(text, from, to));
}

TEST(Validate, TheGameFolderHasNoFindingAndStaysAsItWas)
{
    const GameFolder game;
    const QMap<QString, QByteArray> before = snapshot(game.path());
    const ToolRun run = runTool({u"validate"_s, game.path()});
    EXPECT_EQ(run.status, 0) << run.text().toStdString();
    EXPECT_EQ(run.lines(), QStringList{u"0 errors, 0 warnings"_s});
    EXPECT_EQ(snapshot(game.path()), before) << "not even a fresh BtlRec.CSV";
}

TEST(Validate, EachProblemIsOneLineWithItsLevel)
{
    const struct
    {
        const char *what;
        QString file;
        std::optional<QByteArray> bytes; // nothing: the file is removed
        QStringList findings;
    } cases[] = {
        {"no character table",
         u"CharData.CSV"_s,
         std::nullopt,
         {u"error: CharData.CSV: 7 ファイルオープン"_s}},
        {"face picture missing: pictures are strict",
         u"CharData.CSV"_s,
         text(GameFolder::CharData, u"2,魔法使い,後ろで唱える,face\\a.bmp"_s,
              u"2,魔法使い,後ろで唱える,face\\b.bmp"_s),
         {u"error: CharData.CSV: 12 画像ファイルが存在しない: face\\b.bmp at line 3: "
          u"2,魔法使い,後ろで唱える,face\\b.bmp,mus\\b2.mid,90,10,10,30,25,8,25,40,3,1,2,3"_s}},
        {"face picture outside the game folder",
         u"CharData.CSV"_s,
         text(GameFolder::CharData, u"2,魔法使い,後ろで唱える,face\\a.bmp"_s,
              u"2,魔法使い,後ろで唱える,face\\..\\..\\face\\a.bmp"_s),
         {u"error: CharData.CSV: 12 画像ファイルが存在しない: face\\..\\..\\face\\a.bmp (outside "
          u"the game folder) at line 3: 2,魔法使い,後ろで唱える,face\\..\\..\\face\\a.bmp,"
          u"mus\\b2.mid,90,10,10,30,25,8,25,40,3,1,2,3"_s}},
        {"battle music outside the game folder",
         u"CharData.CSV"_s,
         text(GameFolder::CharData, u"mus\\b2.mid"_s, u"..\\mus/b2.mid"_s),
         {u"error: CharData.CSV: character 2 (魔法使い): music file ..\\mus/b2.mid is outside "
          u"the game folder"_s}},
        {"deck too large",
         u"CharData.CSV"_s,
         text(GameFolder::CharData, u",60,2,1,2"_s, u",60,21,1,2"_s),
         {u"error: CharData.CSV: character 1 (剣士): DeckCount 21 is outside 0..20"_s}},
        {"deck entry naming no card",
         u"CharData.CSV"_s,
         text(GameFolder::CharData, u",40,3,1,2,3"_s, u",40,3,1,4,3"_s),
         {u"error: CharData.CSV: character 2 (魔法使い): deck entry 2 names card 4, but the "
          u"cards are 1..3"_s}},
        {"ID not the row",
         u"CharData.CSV"_s,
         text(GameFolder::CharData, u"2,魔法使い"_s, u"7,魔法使い"_s),
         {u"warning: CharData.CSV: character 2 (魔法使い): ID 7 is not its row number"_s}},
        {"battle music missing",
         u"CharData.CSV"_s,
         text(GameFolder::CharData, u"mus\\b2.mid"_s, u"mus\\none.mid"_s),
         {u"warning: CharData.CSV: character 2 (魔法使い): music file mus\\none.mid is missing"_s}},
        {"card colour, attack type and effect kind",
         u"CardData.CSV"_s,
         text(GameFolder::CardData, u"10,3,2,1,5"_s, u"10,4,2,2,-1"_s),
         {u"error: CardData.CSV: card 3 (癒し): colour 4 is outside 0..3"_s,
          u"error: CardData.CSV: card 3 (癒し): attack type 2 is outside 0..1"_s,
          u"error: CardData.CSV: card 3 (癒し): effect kind -1 is outside 0..5"_s}},
        {"no magic normal card",
         u"CardData.CSV"_s,
         text(GameFolder::CardData, u"Mag,n\\m.bmp\n"_s, QString()),
         {u"error: CardData.CSV: no Mag picture: generated magic cards have none"_s}},
        {"damaged record",
         u"BtlRec.CSV"_s,
         damaged(coded("BtlRecVer.1.00\r\n0\r\n"), 3),
         {u"warning: BtlRec.CSV: 6 チェックサムエラー; the game replaces it with a fresh record "
          u"and keeps the old file as BtlRec.CSV.bad"_s}},
        {"record line",
         u"BtlRec.CSV"_s,
         cp932Lines(u"BtlRecVer.1.00\n1,1-1\n"_s),
         {u"error: BtlRec.CSV: 1 その他のエラー at line 2: 1,1-1"_s}},
        {"win points too small",
         u"BtlPoint.CSV"_s,
         cp932Lines(u"10\n"_s),
         {u"warning: BtlPoint.CSV: 1 lines for 2 characters; the missing rows repeat the last "
          u"line"_s,
          u"warning: BtlPoint.CSV: a line of 1 columns for 2 characters; the missing columns "
          u"are 0 points"_s}},
        {"no battle data", u"Vs.CSV"_s, std::nullopt, {u"error: Vs.CSV: 7 ファイルオープン"_s}},
        {"victory music missing",
         u"Vs.CSV"_s,
         text(GameFolder::Vs, u"mus\\win.mid"_s, u"win.mid"_s),
         {u"warning: Vs.CSV: MusWin: music file win.mid is missing"_s}},
        {"victory music by an absolute path",
         u"Vs.CSV"_s,
         text(GameFolder::Vs, u"mus\\win.mid"_s, u"\\mus\\win.mid"_s),
         {u"error: Vs.CSV: MusWin: music file \\mus\\win.mid is outside the game folder"_s}},
        {"talk side",
         u"Vs.CSV"_s,
         text(GameFolder::Vs, u"0A-1B"_s, u"0A--2B"_s),
         {u"error: Vs.CSV: Vs0102 talk line 2 \"\": does not begin with the side 0 or 1"_s,
          u"error: Vs.CSV: Vs0102 talk line 3 \"2B\": does not begin with the side 0 or 1"_s}},
        {"talk key nowhere",
         u"Vs.CSV"_s,
         text(GameFolder::Vs, u"0A-1B"_s, u"0A-1Q"_s),
         {u"error: Vs.CSV: Vs0102 talk line 2 \"1Q\": no talk file holds the key Q"_s}},
        {"talk file missing",
         u"mes/VsMes02.CSV"_s,
         std::nullopt,
         {u"warning: mes/VsMes02.CSV: missing; character 2 has no talk"_s,
          u"error: Vs.CSV: Vs0102 talk line 2 \"1B\": no talk file holds the key B"_s,
          u"error: Vs.CSV: Vs0201 talk line 1 \"0B\": no talk file holds the key B"_s}},
        {"talk file line",
         u"mes/VsMes01.CSV"_s,
         cp932Lines(u"StrLstVer.1.00\n\"A,1\n"_s),
         {u"error: mes/VsMes01.CSV: 5 データエラー at line 2: \"A,1"_s,
          u"error: Vs.CSV: Vs0102 talk line 1 \"0A\": no talk file holds the key A"_s,
          u"error: Vs.CSV: Vs0201 talk line 2 \"1A\": no talk file holds the key A"_s}},
    };
    for (const auto &c : cases) {
        const GameFolder game;
        if (c.bytes)
            game.dir.write(c.file, *c.bytes);
        else
            QFile::remove(game.path(c.file));
        const QMap<QString, QByteArray> before = snapshot(game.path());
        const ToolRun run = runTool({u"validate"_s, game.path()});
        const auto errors =
            std::count_if(c.findings.begin(), c.findings.end(),
                          [](const QString &line) { return line.startsWith(u"error"_s); });
        EXPECT_EQ(run.status, errors > 0 ? 1 : 0) << c.what;
        EXPECT_EQ(run.lines(),
                  c.findings +
                      QStringList{QString::number(errors) + u" errors, "_s +
                                  QString::number(c.findings.size() - errors) + u" warnings"_s})
            << c.what;
        EXPECT_EQ(snapshot(game.path()), before) << c.what;
    }
}

// The test pictures are 4x3; a dense screen takes "name@2x.bmp" only at exactly 8x6.
TEST(Validate, ATwiceSizedPictureThatADenseScreenCannotShowIsAWarning)
{
    const GameFolder game;
    writeBitmap(game.dir, u"face/a@2x.bmp"_s, 8, 6);
    writeBitmap(game.dir, u"c/1@2x.bmp"_s, 8, 7);
    writeBitmap(game.dir, u"bg/r@2x.bmp"_s, 4, 3);
    game.dir.write(u"n/m@2x.bmp"_s, "not a picture");
    // Named by nothing: not looked at.
    writeBitmap(game.dir, u"n/x@2x.bmp"_s, 1, 1);
    const ToolRun run = runTool({u"validate"_s, game.path()});
    EXPECT_EQ(run.status, 0);
    // c\1.bmp is the picture of three cards; its file is reported once.
    EXPECT_EQ(run.lines(),
              (QStringList{u"warning: CardData.CSV: background 赤: bg\\r@2x.bmp is 4x3, not twice "
                           u"bg\\r.bmp (8x6); dense screens show bg\\r.bmp scaled up instead"_s,
                           u"warning: CardData.CSV: Mag picture 1: n\\m@2x.bmp cannot be read; "
                           u"dense screens show n\\m.bmp scaled up instead"_s,
                           u"warning: CardData.CSV: card 1 (炎): c\\1@2x.bmp is 8x7, not twice "
                           u"c\\1.bmp (8x6); dense screens show c\\1.bmp scaled up instead"_s,
                           u"0 errors, 3 warnings"_s}))
        << run.text().toStdString();
}

TEST(Validate, TalkFoundOnlyInAThirdCharactersFileDependsOnWhoFoughtBefore)
{
    const GameFolder game;
    game.write(u"CharData.CSV"_s,
               GameFolder::CharData +
                   u"3,僧侶,祈る,face\\a.bmp,mus\\b1.mid,80,5,5,5,5,5,5,50,0\n"_s);
    game.write(u"BtlPoint.CSV"_s, u"1,2,3\n4,5,6\n7,8,9\n"_s);
    game.write(u"mes/VsMes03.CSV"_s, u"StrLstVer.1.00\nC,祈ります\n"_s);
    game.write(u"Vs.CSV"_s, replaced(GameFolder::Vs, u"0A-1B"_s, u"0A-1C"_s));
    const ToolRun run = runTool({u"validate"_s, game.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines(),
              (QStringList{u"warning: Vs.CSV: Vs0102 talk line 2 \"1C\": the key is only in "
                           u"mes/VsMes03.CSV, read once character 3 has fought"_s,
                           u"0 errors, 1 warnings"_s}));
}

TEST(Validate, MoreCharactersThanThePanelShows)
{
    const GameFolder game;
    QString table = GameFolder::CharData;
    QString points;
    for (int n = 3; n <= 22; ++n)
        table += QString::number(n) + u",C,c,face\\a.bmp,mus\\b1.mid,80,5,5,5,5,5,5,50,0\n"_s;
    for (int n = 1; n <= 22; ++n)
        points += u"1"_s + u",1"_s.repeated(21) + u'\n';
    game.write(u"CharData.CSV"_s, table);
    game.write(u"BtlPoint.CSV"_s, points);
    for (int n = 3; n <= 22; ++n)
        game.write(u"mes/VsMes"_s + QString::number(n).rightJustified(2, u'0') + u".CSV"_s,
                   GameFolder::Talk2);
    const ToolRun run = runTool({u"validate"_s, game.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines(), (QStringList{u"warning: CharData.CSV: 22 characters; the selection "
                                        u"panel offers only characters 1..21"_s,
                                        u"0 errors, 1 warnings"_s}));
}

TEST(Validate, TooManyCharactersForARecordAreRefusedRatherThanLoaded)
{
    const GameFolder game;
    QString table = u"Char  Ver.1.00\n"_s;
    for (int n = 1; n <= 1001; ++n)
        table += QString::number(n) + u",C,c,face\\a.bmp,mus\\b1.mid\n"_s;
    game.write(u"CharData.CSV"_s, table);
    const ToolRun run = runTool({u"validate"_s, game.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.lines().contains(u"error: BtlRec.CSV: not loaded for 1001 characters"_s))
        << run.text().toStdString();
}

TEST(Validate, TheFolderGivenMustBeAFolder)
{
    const GameFolder game;
    const ToolRun run = runTool({u"validate"_s, game.path(u"CharData.CSV"_s)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(u"no such folder"_s));
    EXPECT_EQ(runTool({u"validate"_s, game.path(), game.path()}).status, 2);
}

// Without a folder, the game's own: here the one the tool sits in, as in a portable copy.
TEST(Validate, WithoutAFolderTheGameFolderIsValidated)
{
    const GameFolder game;
    const QString tool = game.path(u"virelith-data"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VIRELITH_DATA_TOOL), tool));
    QFile::remove(game.path(u"Vs.CSV"_s));
    QProcess process;
    process.start(tool, {u"validate"_s});
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_EQ(process.exitCode(), 1) << out.toStdString();
    EXPECT_TRUE(out.startsWith(u"error: Vs.CSV: "_s)) << out.toStdString();
}

} // namespace
