#pragma once

#include "data/clsStringList.h"
#include "game/CardRecord.h"
#include "game/CharRecord.h"
#include "game/TableFile.h"
#include "game/clsBattleRecord.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// While it lives, a test may change the process-wide game tables and shared objects at will:
// it saves them all when made and puts them back when it goes, so no test sees another's
// leftovers. Make it first (the first member of a fixture) so that it goes last.
//
// The shared objects are created before the saving, so a test's first use of one does not
// empty the tables behind its back. Of the character and card table objects, what a test can
// set is restored (access level, coding, stored path); the picture and line their last read
// stopped at belong to that read and are not.
class SavedGameState
{
public:
    SavedGameState();
    ~SavedGameState();
    SavedGameState(const SavedGameState &) = delete;
    SavedGameState &operator=(const SavedGameState &) = delete;

private:
    // What a test can set on the character or card table object.
    struct TableObject
    {
        std::int32_t accessLevel = 0;
        bool codec = false;
        QString path;
    };
    static TableObject save(const TableFile &table);
    static void restore(TableFile &table, const TableObject &saved);

    std::vector<CharRecord> m_chars;
    std::int32_t m_charCount = 0;
    std::vector<CardRecord> m_cards;
    std::int32_t m_cardCount = 0;
    std::array<QString, 4> m_cardBGFile;
    std::array<Picture, 4> m_cardBG;
    std::vector<QString> m_absNomalFile;
    std::vector<Picture> m_absNomalPic;
    std::int16_t m_absNomalMax = -1;
    std::vector<QString> m_magNomalFile;
    std::vector<Picture> m_magNomalPic;
    std::int16_t m_magNomalMax = -1;
    std::array<CardRecord, 10> m_nomalCard;
    std::array<std::array<std::int16_t, 4>, 4> m_colorWin{};

    QString m_appPath;
    bool m_debug = false;
    clsBattleRecord m_btlRec;
    clsStringList m_strList;
    TableObject m_charData;
    TableObject m_cardData;
};
