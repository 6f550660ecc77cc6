#pragma once

#include "data/ResultCode.h"
#include "game/TableFile.h"

#include <QString>

#include <cstdint>

// Reads the card table "CardData.CSV" into the program-wide card tables (gCards, the colour
// backgrounds and the two normal-card picture lists) and writes it back. Creating the object
// empties those tables and sets the normal-card presets gNomalCard and the colour table
// gColorWin; destroying it empties the tables again.
class clsCard : public TableFile
{
public:
    clsCard();
    ~clsCard();

    std::int16_t ColorCount() const { return 4; }
    // "赤", "青", "黄", "白"; the empty text for any other value.
    QString ColorName(std::int32_t color) const;
    std::int16_t AtTypeCount() const { return 2; }
    // "物理", "魔法"; the empty text for any other value.
    QString AtTypeName(std::int32_t atType) const;
    std::int16_t ExtraCount() const { return 6; }
    QString ExtraName(std::int32_t extra) const;

    // Empties the cards, both normal-card lists and the background pictures (their names stay).
    void RemoveAll();

    // Loads a new background for colour 0..3; rcPictureNotFound without loading when `name`
    // is empty or already the colour's. Throws std::out_of_range for another colour.
    ResultCode SetCardColor(std::int16_t color, const QString &name);

    // The normal-card picture lists. A picture path is relative to the folder of the stored
    // path. An entry whose picture fails to load keeps its name with an empty picture, and
    // the loader's code is returned. An empty name is rcPictureNotFound and changes nothing.
    ResultCode AddAbsNomal(const QString &name);
    // rcOtherError, changing nothing, for an index outside the list.
    ResultCode DelAbsNomal(std::int16_t index);
    // Throws std::out_of_range for an index outside the list.
    ResultCode SetAbsNomal(std::int16_t index, const QString &name);
    ResultCode AddMagNomal(const QString &name);
    ResultCode DelMagNomal(std::int16_t index);
    ResultCode SetMagNomal(std::int16_t index, const QString &name);

    // Replaces the cards and both lists once the file has passed its checks; the backgrounds
    // change only by "BG" lines. A bad line or picture stops the read and keeps what was read,
    // the failing card included.
    ResultCode Read(const QString &path);

    // Writes the backgrounds (when any is named), both lists and cards 1..gCardCount; column 0
    // of a card becomes its position. rcOtherError, writing nothing, for a text no column can hold.
    ResultCode Save(const QString &path) const;

private:
    ResultCode readLine(const clsCSVAccess &csv, const QString &folder);
    ResultCode readBackgrounds(const clsCSVAccess &csv, const QString &folder);
    ResultCode readNomalNames(const clsCSVAccess &csv, bool magic, const QString &folder);
    ResultCode readCard(const clsCSVAccess &csv, const QString &folder);
};
