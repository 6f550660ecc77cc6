#include "Tables.h"

#include "CardArt.h"
#include "CardText.h"
#include "Music.h"
#include "data/DataFile.h"
#include "data/basCodec.h"
#include "data/basGlobal.h"
#include "game/GameTables.h"
#include "game/clsCard.h"
#include "game/clsChar.h"
#include "platform/TextCodec.h"

using namespace Qt::StringLiterals;

namespace Tables {

namespace {

const QString kColorNames[] = {u"red"_s, u"blue"_s, u"yellow"_s, u"white"_s};

bool failed(QString &problem, const QString &file, ResultCode code)
{
    problem = file + u": "_s + basGlobal::ResultMessage(code);
    return false;
}

bool writeCharacters(const QDir &folder, QString &problem)
{
    clsChar table; // empties the shared table
    const std::vector<Cast::Member> &cast = Cast::all();
    gChars.assign(cast.size() + 1, CharRecord{});
    gCharCount = static_cast<std::int32_t>(cast.size());
    for (std::size_t i = 0; i < cast.size(); ++i) {
        const Cast::Member &m = cast[i];
        CharRecord &row = gChars[i + 1];
        row.ID = static_cast<std::int16_t>(i + 1);
        row.Name = m.name;
        row.Comment = m.comment;
        row.ImageFile = faceName(m);
        row.MusicFile = musicName(Music::battleThemes().at(static_cast<std::size_t>(m.theme)));
        row.Hp = m.stats.hp;
        row.Pow = m.stats.pow;
        row.Def = m.stats.def;
        row.DefPer = m.stats.defPer;
        row.Mag = m.stats.mag;
        row.Mdef = m.stats.mdef;
        row.MdefPer = m.stats.mdefPer;
        row.AtTypPer = m.stats.atTypPer;
        if (m.deck.size() < 5 || m.deck.size() > 20) {
            problem = m.name + u": a deck holds 5 to 20 cards"_s;
            return false;
        }
        row.DeckCount = static_cast<std::int16_t>(m.deck.size());
        for (qsizetype k = 0; k < m.deck.size(); ++k)
            row.Deck[static_cast<std::size_t>(k)] = Cards::numberOf(m.deck[k]);
    }
    table.setCodec(true);
    const ResultCode result = table.Save(folder.filePath(u"CharData.CSV"_s));
    return result == rcSuccess || failed(problem, u"CharData.CSV"_s, result);
}

bool writeCards(const QDir &folder, QString &problem)
{
    clsCard table; // empties the shared tables
    for (int color = 0; color < static_cast<int>(kColorCount); ++color)
        gCardBGFile[static_cast<std::size_t>(color)] = backgroundName(color);
    for (int i = 0; i < CardArt::NomalCount; ++i) {
        gAbsNomalFile.push_back(nomalName(0, i));
        gMagNomalFile.push_back(nomalName(1, i));
    }

    const std::vector<Cards::Design> &cards = Cards::all();
    gCards.assign(cards.size() + 1, CardRecord{});
    gCardCount = static_cast<std::int32_t>(cards.size());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const Cards::Design &d = cards[i];
        CardRecord &row = gCards[i + 1];
        row.ID = static_cast<std::int16_t>(i + 1);
        row.Name = d.name;
        row.PowerText = CardText::power(d);
        row.EffectText = CardText::effect(d);
        row.Comment = d.comment;
        row.ImageFile = pictureName(d);
        row.FontSize = CardArt::fontSize(d.name);
        if (row.FontSize == 0) {
            problem = d.name + u": the name is too long for a card"_s;
            return false;
        }
        row.Color = d.rule.color;
        row.Number = d.rule.number;
        row.AtType = d.rule.atType;
        row.Extra = d.rule.extra;
        for (std::size_t k = 0; k < d.rule.p.size(); ++k)
            row.P[k] = d.rule.p[k];
    }
    const ResultCode result = table.Save(folder.filePath(u"CardData.CSV"_s));
    return result == rcSuccess || failed(problem, u"CardData.CSV"_s, result);
}

// The points of a win: each character is worth its own number to whoever beats it.
bool writeWinPoints(const QDir &folder, QString &problem)
{
    const std::vector<Cast::Member> &cast = Cast::all();
    QString text;
    for (std::size_t r = 0; r < cast.size(); ++r) {
        QStringList row;
        for (std::size_t c = 0; c < cast.size(); ++c)
            row << QString::number(r == c ? 0 : cast[c].worth);
        text += row.join(u',') + u"\r\n"_s;
    }
    // The game never writes this table: it is the bare text coded, without a version line.
    std::optional<QByteArray> bytes = TextCodec::toCp932(text);
    if (!bytes)
        return failed(problem, u"BtlPoint.CSV"_s, rcOtherError);
    const std::int32_t trailer = basCodec::EncodeWithTrailer(*bytes);
    const ResultCode result = DataFile::SaveBytes(folder.filePath(u"BtlPoint.CSV"_s), *bytes,
                                                  basCodec::TrailerBytes(trailer));
    return result == rcSuccess || failed(problem, u"BtlPoint.CSV"_s, result);
}

} // namespace

QString faceName(const Cast::Member &member)
{
    return u"face\\"_s + member.file + u".bmp"_s;
}

// The backgrounds have rounded, transparent corners and need PNG; every other picture is an
// uncompressed bitmap, which the game reads at start-up several times faster.
QString backgroundName(int color)
{
    return u"card\\bg_"_s + kColorNames[color] + u".png"_s;
}

QString nomalName(int atType, int index)
{
    return u"card\\"_s + (atType == 0 ? u"abs"_s : u"mag"_s) + QString::number(index + 1) +
           u".bmp"_s;
}

QString pictureName(const Cards::Design &card)
{
    return u"card\\"_s + card.file + u".bmp"_s;
}

QString musicName(const Score::Piece &piece)
{
    return Music::folder() + u'\\' + piece.file;
}

bool write(const QDir &folder, QString &problem)
{
    return writeCharacters(folder, problem) && writeCards(folder, problem) &&
           writeWinPoints(folder, problem);
}

} // namespace Tables
