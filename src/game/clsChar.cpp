#include "game/clsChar.h"

#include "data/CSVColumn.h"
#include "data/ColumnNumber.h"
#include "data/DataFile.h"
#include "data/clsCSVAccess.h"
#include "game/GameTables.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kVersionLine = "Char  Ver.1.00\r\n";

constexpr std::int16_t kFirstNumberColumn = 5;
constexpr std::int16_t kFirstDeckColumn = 14;

// The numbers of columns 5..13, in column order.
template<typename Row>
auto statsOf(Row &row)
{
    return std::array{&row.Hp,   &row.Pow,     &row.Def,      &row.DefPer,   &row.Mag,
                      &row.Mdef, &row.MdefPer, &row.AtTypPer, &row.DeckCount};
}

bool readNumber(const clsCSVAccess &csv, std::int16_t column, std::int16_t &field)
{
    const std::optional<std::int16_t> value = ColumnNumber::Unsigned16(csv.Item(column));
    if (value)
        field = *value;
    return value.has_value();
}

bool fillRow(const clsCSVAccess &csv, CharRecord &row)
{
    if (!readNumber(csv, 0, row.ID))
        return false;
    row.Name = csv.Item(1);
    row.Comment = csv.Item(2);
    row.ImageFile = csv.Item(3);
    row.MusicFile = csv.Item(4);
    std::int16_t column = kFirstNumberColumn;
    for (std::int16_t *field : statsOf(row)) {
        if (!readNumber(csv, column++, *field))
            return false;
    }
    for (std::int16_t &card : row.Deck) {
        if (!readNumber(csv, column++, card))
            return false;
    }
    return true;
}

} // namespace

clsChar::clsChar()
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

QString clsChar::Version() const
{
    return QString::fromLatin1(kVersionLine.chopped(2));
}

ResultCode clsChar::Read(const QString &path)
{
    QString body;
    bool coded = false;
    if (const ResultCode code = m_path.read(path, kVersionLine, body, coded); code != rcSuccess)
        return code;
    m_codec = coded;
    const QString folder = FileSystem::folderOf(path);
    Clear();

    clsCSVAccess csv;
    DataFile::Lines lines(body);
    QStringView line;
    while (lines.next(line)) {
        if (!csv.setCSVLine(line))
            return rcDataError;
        // The row counts before it is filled, so a row that fails stays in the table.
        CharRecord &row = gChars.emplace_back();
        ++gCharCount;
        if (!fillRow(csv, row))
            return rcDataError;
        const ResultCode code =
            RowPicture::Load(folder, row.ImageFile, m_accessLevel, row.Picture, row.HasPicture);
        if (code != rcSuccess) {
            if (code != rcNoPictureName)
                m_errorMessageEX = row.ImageFile;
            return code;
        }
    }
    return rcSuccess;
}

ResultCode clsChar::Save(const QString &path) const
{
    QString text = QString::fromLatin1(kVersionLine);
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
    return DataFile::Save(path, text, m_codec);
}
