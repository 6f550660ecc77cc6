#include "game/clsChar.h"

#include "data/CSVColumn.h"
#include "game/GameTables.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kVersionLine = "Char  Ver.1.00\r\n";

constexpr std::int16_t kFirstNumberColumn = 5;

// The numbers of columns 5..13, in column order.
template<typename Row>
auto statsOf(Row &row)
{
    return std::array{&row.Hp,   &row.Pow,     &row.Def,      &row.DefPer,   &row.Mag,
                      &row.Mdef, &row.MdefPer, &row.AtTypPer, &row.DeckCount};
}

bool fillRow(const clsCSVAccess &csv, CharRecord &row)
{
    if (!TableFile::readNumber(csv, 0, row.ID))
        return false;
    row.Name = csv.Item(1);
    row.Comment = csv.Item(2);
    row.ImageFile = csv.Item(3);
    row.MusicFile = csv.Item(4);
    std::int16_t column = kFirstNumberColumn;
    for (std::int16_t *field : statsOf(row)) {
        if (!TableFile::readNumber(csv, column++, *field))
            return false;
    }
    for (std::int16_t &card : row.Deck) {
        if (!TableFile::readNumber(csv, column++, card))
            return false;
    }
    return true;
}

} // namespace

clsChar::clsChar() : TableFile(kVersionLine)
{
    Clear();
}

clsChar::~clsChar()
{
    Clear();
}

void clsChar::Clear()
{
    gChars.assign(1, CharRecord{});
    gCharCount = 0;
}

ResultCode clsChar::Read(const QString &path)
{
    return readLines(path, &clsChar::Clear, [this](const clsCSVAccess &csv, const QString &folder) {
        // The row counts before it is filled, so a row that fails stays in the table.
        CharRecord &row = gChars.emplace_back();
        ++gCharCount;
        if (!fillRow(csv, row))
            return rcDataError;
        return loadRowPicture(folder, row.ImageFile, row.Picture, row.HasPicture);
    });
}

ResultCode clsChar::Save(const QString &path) const
{
    QString text;
    const auto rows = static_cast<std::size_t>(std::max(gCharCount, 0));
    for (std::size_t i = 1; i <= rows && i < gChars.size(); ++i) {
        const CharRecord &row = gChars[i];
        text += QString::number(i);
        for (const QString *column : {&row.Name, &row.Comment, &row.ImageFile, &row.MusicFile}) {
            if (!CSVColumn::AppendText(text, *column))
                return rcOtherError;
        }
        for (const std::int16_t *field : statsOf(row))
            text += u',' + QString::number(*field);
        for (const std::int16_t card : row.Deck)
            text += u',' + QString::number(card);
        text += u"\r\n"_s;
    }
    return save(path, text);
}
