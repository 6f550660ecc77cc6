#include "TableDump.h"

#include "Report.h"
#include "data/CSVColumn.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <concepts>
#include <span>

using namespace Qt::StringLiterals;

namespace {

class Row
{
public:
    Row &operator<<(const QString &text)
    {
        m_columns += Report::shown(text);
        return *this;
    }
    template<std::integral Int>
    Row &operator<<(Int number)
    {
        return *this << QString::number(number);
    }
    Row &operator<<(double number) { return *this << CSVColumn::Double(number); }

    QString text() const { return m_columns.join(u'\t'); }

private:
    QStringList m_columns;
};

QStringList characters()
{
    QStringList rows;
    for (std::size_t i = 1; i < gChars.size(); ++i) {
        const CharRecord &c = gChars[i];
        Row row;
        row << c.ID << c.Name << c.Comment << c.ImageFile << c.MusicFile << c.Hp << c.Pow << c.Def
            << c.DefPer << c.Mag << c.Mdef << c.MdefPer << c.AtTypPer << c.DeckCount;
        for (const std::int16_t card : c.Deck)
            row << card;
        rows += row.text();
    }
    return rows;
}

QString names(const QString &key, std::span<const QString> files)
{
    Row row;
    row << key;
    for (const QString &file : files)
        row << file;
    return row.text();
}

QStringList cards()
{
    QStringList rows = {names(u"BG"_s, gCardBGFile), names(u"Abs"_s, gAbsNomalFile),
                        names(u"Mag"_s, gMagNomalFile)};
    for (std::size_t i = 1; i < gCards.size(); ++i) {
        const CardRecord &c = gCards[i];
        Row row;
        row << c.ID << c.Name << c.PowerText << c.EffectText << c.Comment << c.ImageFile
            << c.FontSize << c.Color << c.Number << c.AtType << c.Extra;
        for (const double p : c.P)
            row << p;
        rows += row.text();
    }
    return rows;
}

QStringList record()
{
    const clsBattleRecord &record = gBtlRec();
    QStringList rows;
    // Rows and columns go up to the largest 16-bit number: count past it in 32 bits.
    for (std::int32_t r = 1; r <= record.rowCount(); ++r) {
        const auto chr = static_cast<std::int16_t>(r);
        Row row;
        row << record.UseChr(chr);
        for (std::int32_t c = 1; c <= record.columnCount(chr); ++c) {
            const auto ene = static_cast<std::int16_t>(c);
            row << QString::number(record.Win(chr, ene)) + u'-' +
                       QString::number(record.Lose(chr, ene)) + u'-' +
                       QString::number(record.Point(chr, ene));
        }
        rows += row.text();
    }
    return rows;
}

QStringList winPoints()
{
    const clsBattleRecord &record = gBtlRec();
    QStringList rows;
    for (std::int32_t chr = 1; chr <= gCharCount; ++chr) {
        Row row;
        for (std::int32_t ene = 1; ene <= gCharCount; ++ene)
            row << record.WinPoint(static_cast<std::int16_t>(chr), static_cast<std::int16_t>(ene));
        rows += row.text();
    }
    return rows;
}

QStringList strings()
{
    const clsStringList &list = gStrList();
    QStringList rows;
    for (std::int32_t i = 0; i < list.count(); ++i)
        rows += (Row() << list.entry(i).key << list.entry(i).text).text();
    return rows;
}

} // namespace

QStringList dumpTable(DataKind kind)
{
    switch (kind) {
    case DataKind::Char:
        return characters();
    case DataKind::Card:
        return cards();
    case DataKind::Record:
        return record();
    case DataKind::Point:
        return winPoints();
    case DataKind::Strings:
        break;
    }
    return strings();
}
