#include "GameFolder.h"

#include "game/GameFiles.h"

using namespace Qt::StringLiterals;

const QString GameFolder::CharData =
    u"Char  Ver.1.00\n"
    u"1,剣士,前に出る,face\\a.bmp,mus\\b1.mid,100,20,10,30,15,8,25,60,2,1,2\n"
    u"2,魔法使い,後ろで唱える,face\\a.bmp,mus\\b2.mid,90,10,10,30,25,8,25,40,3,1,2,3\n"_s;

const QString GameFolder::CardData = u"Card  Ver.1.00\n"
                                     u"BG,bg\\r.bmp,bg\\b.bmp,bg\\y.bmp,bg\\w.bmp\n"
                                     u"Abs,n\\a.bmp\n"
                                     u"Mag,n\\m.bmp\n"
                                     u"1,炎,x1.2+3,なし,熱い,c\\1.bmp,10,0,5,0,0,1.2,3\n"
                                     u"2,氷,x1.25+2,なし,冷たい,c\\1.bmp,10,1,6,1,1,1.25,2\n"
                                     u"3,癒し,x1.0+0,回復,温かい,c\\1.bmp,10,3,2,1,5,1,0\n"_s;

const QString GameFolder::BtlPoint = u"10,20\n30,40\n"_s;

const QString GameFolder::Vs = u"StrLstVer.1.00\n"
                               u"; the battle screen\n"
                               u"MusVsTalk,mus\\talk.mid\n"
                               u"MusWin,mus\\win.mid\n"
                               u"MusLose,mus\\lose.mid\n"
                               u"Vs0102,0A-1B\n"
                               u"Vs0201,0B-1A\n"_s;

const QString GameFolder::Talk1 = u"StrLstVer.1.00\nA,よろしく\\nお願いします\n"_s;
const QString GameFolder::Talk2 = u"StrLstVer.1.00\nB,負けない\n"_s;

GameFolder::GameFolder()
{
    for (const QString &picture : {u"face/a.bmp"_s, u"bg/r.bmp"_s, u"bg/b.bmp"_s, u"bg/y.bmp"_s,
                                   u"bg/w.bmp"_s, u"n/a.bmp"_s, u"n/m.bmp"_s, u"c/1.bmp"_s})
        writePicture(dir, picture);
    for (const QString &music :
         {u"mus/b1.mid"_s, u"mus/b2.mid"_s, u"mus/talk.mid"_s, u"mus/win.mid"_s, u"mus/lose.mid"_s})
        dir.write(music, "MThd");
    write(u"CharData.CSV"_s, CharData);
    write(u"CardData.CSV"_s, CardData);
    write(u"BtlPoint.CSV"_s, BtlPoint);
    write(u"Vs.CSV"_s, Vs);
    write(u"mes/VsMes01.CSV"_s, Talk1);
    write(u"mes/VsMes02.CSV"_s, Talk2);
}

QString GameFolder::write(const QString &name, const QString &text) const
{
    return dir.writeText(name, text);
}
