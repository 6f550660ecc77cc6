#include "game/clsCard.h"

#include "data/CSVColumn.h"
#include "data/ColumnNumber.h"
#include "game/GameTables.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <span>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kVersionLine = "Card  Ver.1.00\r\n";

const QString kBackgroundKey = u"BG"_s;
const QString kAbsKey = u"Abs"_s;
const QString kMagKey = u"Mag"_s;

// One of the two normal-card picture lists: names and pictures side by side, 0..max.
struct NomalList
{
    std::vector<QString> &files;
    std::vector<Picture> &pictures;
    std::int16_t &max;
};

NomalList nomalList(bool magic)
{
    if (magic)
        return {gMagNomalFile, gMagNomalPic, gMagNomalMax};
    return {gAbsNomalFile, gAbsNomalPic, gAbsNomalMax};
}

void clearList(NomalList list)
{
    list.files.clear();
    list.pictures.clear();
    list.max = -1;
}

ResultCode setNomal(NomalList list, const QString &folder, std::int16_t index, const QString &name)
{
    if (name.isEmpty())
        return rcPictureNotFound;
    if (index < 0 || index > list.max)
        throw std::out_of_range("clsCard: no normal-card entry at this index");
    const auto at = static_cast<std::size_t>(index);
    list.files[at] = name;
    const ResultCode code = TableFile::loadPicture(folder, name, list.pictures[at]);
    // The entry's picture always belongs to its name: one that failed to load is empty.
    if (code != rcSuccess)
        list.pictures[at] = Picture();
    return code;
}

ResultCode addNomal(NomalList list, const QString &folder, const QString &name)
{
    if (name.isEmpty())
        return rcPictureNotFound;
    if (list.max == std::numeric_limits<std::int16_t>::max())
        return rcOtherError;
    ++list.max;
    list.files.emplace_back();
    list.pictures.emplace_back();
    return setNomal(list, folder, list.max, name);
}

ResultCode delNomal(NomalList list, std::int16_t index)
{
    if (index < 0 || index > list.max)
        return rcOtherError;
    --list.max;
    list.files.erase(list.files.begin() + index);
    list.pictures.erase(list.pictures.begin() + index);
    return rcSuccess;
}

QString nameIn(const std::initializer_list<const char16_t *> names, std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= names.size())
        return {};
    return QString::fromUtf16(names.begin()[index]);
}

void setPresets()
{
    constexpr std::array<double, 10> p0 = {1.3, 1.4, 1.3, 1.2, 1.2, 1.1, 1.1, 1.0, 0.9, 1.0};
    constexpr std::array<double, 10> p1 = {4, 4, 3, 3, 2, 2, 1, 1, 0, 0};
    for (std::size_t n = 0; n < gNomalCard.size(); ++n) {
        CardRecord preset;
        preset.Number = -1;
        preset.Color = -1;
        preset.AtType = -1;
        preset.FontSize = 10;
        preset.P[0] = p0[n];
        preset.P[1] = p1[n];
        gNomalCard[n] = preset;
    }

    // Red beats blue, blue beats yellow, yellow beats red; white and equal colours leave it
    // to the numbers.
    constexpr std::int16_t firstWins = 0;
    constexpr std::int16_t secondWins = 1;
    for (auto &row : gColorWin)
        row.fill(-1);
    constexpr std::size_t red = 0, blue = 1, yellow = 2;
    gColorWin[red][blue] = firstWins;
    gColorWin[blue][red] = secondWins;
    gColorWin[blue][yellow] = firstWins;
    gColorWin[yellow][blue] = secondWins;
    gColorWin[yellow][red] = firstWins;
    gColorWin[red][yellow] = secondWins;
}

bool fillCard(const clsCSVAccess &csv, CardRecord &card)
{
    if (!TableFile::readNumber(csv, 0, card.ID))
        return false;
    card.Name = csv.Item(1);
    card.PowerText = csv.Item(2);
    card.EffectText = csv.Item(3);
    card.Comment = csv.Item(4);
    card.ImageFile = csv.Item(5);
    if (!TableFile::readNumber(csv, 6, card.FontSize) ||
        !TableFile::readNumber(csv, 7, card.Color) || !TableFile::readNumber(csv, 8, card.Number) ||
        !TableFile::readNumber(csv, 9, card.AtType))
        return false;
    // The effect kind alone may be negative, and must be given.
    const std::optional<std::int32_t> extra = ColumnNumber::Signed32(csv.Item(10));
    if (!extra)
        return false;
    card.Extra = *extra;
    std::int16_t column = 11;
    for (double &p : card.P) {
        const std::optional<double> value = ColumnNumber::UnsignedDouble(csv.Item(column++));
        if (!value)
            return false;
        p = *value;
    }
    return true;
}

// A line of picture names after its key; false when a name cannot be written.
bool appendNames(QString &text, const QString &key, std::span<const QString> names)
{
    text += key;
    for (const QString &name : names) {
        if (!CSVColumn::AppendText(text, name))
            return false;
    }
    text += u"\r\n"_s;
    return true;
}

} // namespace

clsCard::clsCard() : TableFile(kVersionLine)
{
    RemoveAll();
    setPresets();
}

clsCard::~clsCard()
{
    RemoveAll();
}

QString clsCard::ColorName(std::int32_t color) const
{
    return nameIn({u"赤", u"青", u"黄", u"白"}, color);
}

QString clsCard::AtTypeName(std::int32_t atType) const
{
    return nameIn({u"物理", u"魔法"}, atType);
}

QString clsCard::ExtraName(std::int32_t extra) const
{
    return nameIn({u"通常技", u"捨て身", u"半身系", u"ﾀﾞﾒｰｼﾞ貫通", u"物理＆魔法", u"回復1"}, extra);
}

void clsCard::RemoveAll()
{
    gCards.clear();
    gCardCount = 0;
    gCardBG.fill(Picture());
    clearList(nomalList(false));
    clearList(nomalList(true));
}

ResultCode clsCard::SetCardColor(std::int16_t color, const QString &name)
{
    if (color < 0 || color >= ColorCount())
        throw std::out_of_range("clsCard::SetCardColor: no such colour");
    const auto at = static_cast<std::size_t>(color);
    if (name.isEmpty() || name == gCardBGFile[at])
        return rcPictureNotFound;
    gCardBGFile[at] = name;
    return loadPicture(pictureFolder(), name, gCardBG[at]);
}

ResultCode clsCard::AddAbsNomal(const QString &name)
{
    return addNomal(nomalList(false), pictureFolder(), name);
}

ResultCode clsCard::DelAbsNomal(std::int16_t index)
{
    return delNomal(nomalList(false), index);
}

ResultCode clsCard::SetAbsNomal(std::int16_t index, const QString &name)
{
    return setNomal(nomalList(false), pictureFolder(), index, name);
}

ResultCode clsCard::AddMagNomal(const QString &name)
{
    return addNomal(nomalList(true), pictureFolder(), name);
}

ResultCode clsCard::DelMagNomal(std::int16_t index)
{
    return delNomal(nomalList(true), index);
}

ResultCode clsCard::SetMagNomal(std::int16_t index, const QString &name)
{
    return setNomal(nomalList(true), pictureFolder(), index, name);
}

ResultCode clsCard::Read(const QString &path)
{
    return readLines(
        path, [this] { RemoveAll(); },
        [this](const clsCSVAccess &csv, const QString &folder) { return readLine(csv, folder); });
}

ResultCode clsCard::readLine(const clsCSVAccess &csv, const QString &folder)
{
    const QString kind = csv.Item(0);
    if (kind == kBackgroundKey)
        return readBackgrounds(csv, folder);
    if (kind == kAbsKey || kind == kMagKey)
        return readNomalNames(csv, kind == kMagKey, folder);
    return readCard(csv, folder);
}

ResultCode clsCard::readBackgrounds(const clsCSVAccess &csv, const QString &folder)
{
    for (std::size_t color = 0; color < gCardBGFile.size(); ++color) {
        const QString name = csv.Item(static_cast<std::int16_t>(color + 1));
        gCardBGFile[color] = name;
        if (name.isEmpty()) {
            if (strict())
                return rcNoPictureName;
            continue;
        }
        // A lenient read keeps the colour's previous picture when this one fails.
        const ResultCode code = loadPicture(folder, name, gCardBG[color]);
        if (code != rcSuccess && strict())
            return stopAtPicture(name, code);
    }
    return rcSuccess;
}

ResultCode clsCard::readNomalNames(const clsCSVAccess &csv, bool magic, const QString &folder)
{
    for (std::int16_t column = 1; column < csv.Count(); ++column) {
        const QString name = csv.Item(column);
        if (name.isEmpty()) {
            if (strict())
                return rcNoPictureName;
            continue;
        }
        const ResultCode code = addNomal(nomalList(magic), folder, name);
        if (code != rcSuccess && strict())
            return stopAtPicture(name, code);
    }
    return rcSuccess;
}

ResultCode clsCard::readCard(const clsCSVAccess &csv, const QString &folder)
{
    if (gCards.empty())
        gCards.emplace_back();
    // The card counts before it is filled, so a card that fails stays in the table.
    CardRecord &card = gCards.emplace_back();
    ++gCardCount;
    if (!fillCard(csv, card))
        return rcDataError;
    return loadRowPicture(folder, card.ImageFile, card.Picture, card.HasPicture);
}

ResultCode clsCard::Save(const QString &path) const
{
    QString text;
    // Without background names the line is left out: a strict read refuses "BG,,,,", while a
    // file without the line reads back as the same table.
    const bool backgrounds = std::any_of(gCardBGFile.begin(), gCardBGFile.end(),
                                         [](const QString &name) { return !name.isEmpty(); });
    if ((backgrounds && !appendNames(text, kBackgroundKey, gCardBGFile)) ||
        !appendNames(text, kAbsKey, gAbsNomalFile) || !appendNames(text, kMagKey, gMagNomalFile))
        return rcOtherError;

    const auto cards = static_cast<std::size_t>(std::max(gCardCount, 0));
    for (std::size_t i = 1; i <= cards && i < gCards.size(); ++i) {
        const CardRecord &card = gCards[i];
        text += QString::number(i);
        for (const QString *column :
             {&card.Name, &card.PowerText, &card.EffectText, &card.Comment, &card.ImageFile}) {
            if (!CSVColumn::AppendText(text, *column))
                return rcOtherError;
        }
        for (const std::int32_t number : {std::int32_t{card.FontSize}, card.Color,
                                          std::int32_t{card.Number}, card.AtType, card.Extra})
            text += u',' + QString::number(number);
        for (const double p : card.P)
            text += u',' + CSVColumn::Double(p);
        text += u"\r\n"_s;
    }
    return save(path, text);
}
