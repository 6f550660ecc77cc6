#include "support/SampleGame.h"

#include <QBuffer>
#include <QImage>

using namespace Qt::StringLiterals;

QString writeBitmap(const TestFolder &dir, const QString &name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(40 + 10 * int(name.size()), 90, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return dir.write(name, bytes);
}

void writeSampleGame(const TestFolder &dir, int characters)
{
    QString chars = u"Char  Ver.1.00\n"_s;
    QString points;
    for (int i = 1; i <= characters; ++i) {
        const QString n = QString::number(i);
        writeBitmap(dir, u"face"_s + n + u".bmp"_s, 78, 90);
        chars += n + u",キャラ"_s + n + u",キャラ"_s + n + u"の説明。,face"_s + n +
                 u".bmp,battle.mid,60,12,4,10,11,3,10,60,2,1,2"_s + QString(u",0"_s).repeated(18) +
                 u"\n"_s;
        QStringList row;
        for (int j = 1; j <= characters; ++j)
            row << QString::number(i == j ? 0 : 10 + j);
        points += row.join(u',') + u"\n"_s;
        QString talk = u"StrLstVer.1.00\n"_s;
        talk += u"A,キャラ"_s + n + u"です。\\nよろしく。\n"_s;
        talk += u"B,負けません。\n"_s;
        dir.writeText(u"mes/VsMes"_s + QString(u"0"_s + n).right(2) + u".CSV"_s, talk);
    }
    dir.writeText(u"CharData.CSV"_s, chars);
    dir.writeText(u"BtlPoint.CSV"_s, points);

    for (int c = 0; c < 4; ++c)
        writeBitmap(dir, u"bg"_s + QString::number(c) + u".bmp"_s, 90, 153);
    writeBitmap(dir, u"abs0.bmp"_s, 74, 86);
    writeBitmap(dir, u"mag0.bmp"_s, 74, 86);
    writeBitmap(dir, u"card1.bmp"_s, 74, 86);
    writeBitmap(dir, u"card2.bmp"_s, 74, 86);
    dir.writeText(
        u"CardData.CSV"_s,
        u"Card  Ver.1.00\n"
        u"BG,bg0.bmp,bg1.bmp,bg2.bmp,bg3.bmp\n"
        u"Abs,abs0.bmp\n"
        u"Mag,mag0.bmp\n"
        u"1,炎の剣,物理x1.3+4,,燃える剣。,card1.bmp,9,0,7,0,0,1.3,4,0,0,0,0,0,0\n"
        u"2,癒しの光,魔法x0.5+2,回復,傷を癒す。,card2.bmp,9,3,4,1,5,0.5,2,0,0,0,0,0,0\n"_s);

    QString vs = u"StrLstVer.1.00\nMusVsTalk,talk.mid\nMusWin,win.mid\nMusLose,lose.mid\n"_s;
    for (int i = 1; i <= characters; ++i) {
        for (int j = 1; j <= characters; ++j) {
            if (i != j) {
                vs += u"Vs"_s + QString(u"0"_s + QString::number(i)).right(2) +
                      QString(u"0"_s + QString::number(j)).right(2) + u",0A-1B\n"_s;
            }
        }
    }
    dir.writeText(u"Vs.CSV"_s, vs);
}
