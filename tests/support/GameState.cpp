#include "support/GameState.h"

#include "game/GameTables.h"
#include "game/SharedObjects.h"

SavedGameState::SavedGameState()
{
    // Created now, the card table object fills the presets before they are saved.
    gCardData();
    gCharData();
    gBtlRec();
    gStrList();

    m_chars = gChars;
    m_charCount = gCharCount;
    m_cards = gCards;
    m_cardCount = gCardCount;
    m_cardBGFile = gCardBGFile;
    m_cardBG = gCardBG;
    m_absNomalFile = gAbsNomalFile;
    m_absNomalPic = gAbsNomalPic;
    m_absNomalMax = gAbsNomalMax;
    m_magNomalFile = gMagNomalFile;
    m_magNomalPic = gMagNomalPic;
    m_magNomalMax = gMagNomalMax;
    m_nomalCard = gNomalCard;
    m_colorWin = gColorWin;

    m_appPath = gAppPath;
    m_debug = gDebug;
    m_btlRec = gBtlRec();
    m_strList = gStrList();
    m_charData = save(gCharData());
    m_cardData = save(gCardData());
}

SavedGameState::~SavedGameState()
{
    gChars = std::move(m_chars);
    gCharCount = m_charCount;
    gCards = std::move(m_cards);
    gCardCount = m_cardCount;
    gCardBGFile = std::move(m_cardBGFile);
    gCardBG = std::move(m_cardBG);
    gAbsNomalFile = std::move(m_absNomalFile);
    gAbsNomalPic = std::move(m_absNomalPic);
    gAbsNomalMax = m_absNomalMax;
    gMagNomalFile = std::move(m_magNomalFile);
    gMagNomalPic = std::move(m_magNomalPic);
    gMagNomalMax = m_magNomalMax;
    gNomalCard = std::move(m_nomalCard);
    gColorWin = m_colorWin;

    gAppPath = std::move(m_appPath);
    gDebug = m_debug;
    gBtlRec() = std::move(m_btlRec);
    gStrList() = std::move(m_strList);
    restore(gCharData(), m_charData);
    restore(gCardData(), m_cardData);
}

SavedGameState::TableObject SavedGameState::save(const TableFile &table)
{
    return {table.AccessLevel(), table.Codec(), table.GetPath()};
}

void SavedGameState::restore(TableFile &table, const TableObject &saved)
{
    table.setAccessLevel(saved.accessLevel);
    table.setCodec(saved.codec);
    table.SetPath(saved.path);
}
