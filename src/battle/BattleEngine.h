#pragma once

#include "battle/AnimeEngine.h"
#include "battle/BattleState.h"
#include "data/ResultCode.h"

#include <QString>

#include <cstdint>

class BattleScreen;
class clsBattleRecord;
class BattleMusic;
class Random;

// One battle screen's battle: choosing the fighters, the pre-battle talk, dealing, the turns
// and the end of the battle, each stage animated and waited for.
//
// Waiting processes window events, so the screen may close inside any wait. Close() ends the
// battle: after that wait the engine touches nothing but its own state and returns. The engine,
// the screen and its elements must therefore outlive every engine call on the stack (Busy()).
class BattleEngine
{
public:
    // Battles are counted in `record` and saved to its path; without one they are not counted.
    // Without a platform every animation finishes at once.
    BattleEngine(BattleScreen &screen, BattleMusic &music, AnimePlatform *platform, Random &random,
                 clsBattleRecord *record);

    BattleEngine(const BattleEngine &) = delete;
    BattleEngine &operator=(const BattleEngine &) = delete;

    // The battle screen's version text, shown in its caption and in the version box.
    static QString Version();

    BattleState &State() { return m_state; }
    const BattleState &State() const { return m_state; }
    AnimeEngine &Anime() { return m_anime; }

    // An engine call is running (it may be waiting).
    bool Busy() const { return m_depth > 0; }

    // The screen is loaded: no talk read yet, an empty board, an idle animation engine.
    void Load();

    // Assigns both fighters (-1: not chosen yet) and shows them. Throws std::out_of_range for
    // a number that is not a row of gChars.
    void SetChar(std::int16_t iYou, std::int16_t iEnemy);
    // Copies character `number` into the side's fighter and shows it; -1 does nothing.
    void ShowChar(std::int16_t side, std::int16_t number);

    // Counts the use, plays the pre-battle music and talk, deals the first cards and starts the
    // opponent's music. Throws std::out_of_range unless both fighters are chosen.
    void StartBattle();

    // The characters are talking before the battle.
    bool Talking() const { return m_talking; }
    // Cuts the talk short: the balloon leaves at once and the deal follows. Nothing while no
    // one talks.
    void SkipTalk();

    // The outcome of the latest save of the battle record: the battle goes on whatever it is,
    // and whoever shows the record tells the player.
    struct RecordSave
    {
        ResultCode result = rcSuccess;
        QString path;
    };
    const RecordSave &LastRecordSave() const { return m_lastSave; }

    // A click on hand slot 0..11: raises one of the player's cards, or plays the raised one.
    void SelectCard(std::int16_t slot);
    // Puts the raised card back into the hand unplayed; refused, as clicks are, while anything
    // moves.
    void LowerCard();
    // Shows the played cards and the side labels again where the win/lose lines had hidden
    // them, and hides the lines and their marks.
    void RestorePlayedCards();

    // Empties the board and the panels.
    void ClearScreen();

    // The screen is closing: the battle stops at its next wait, the running animation is cut
    // short and waited for.
    void Close();

private:
    // Every step that waits for the animation returns whether the screen is still live: false
    // when it closed meanwhile, and the caller must then stop touching the screen.
    void LoadTalk(std::int16_t number);
    // Says every line of the pair's talk.
    [[nodiscard]] bool Talk();
    void SaveRecord();
    [[nodiscard]] bool DealCards();
    // One turn: both cards played, the clash judged and applied, the played cards shown, then
    // the battle's end or a new deal.
    [[nodiscard]] bool BattleTurn();
    [[nodiscard]] bool ResolveClash();
    void ShowPlayedCards();
    [[nodiscard]] bool EndOrDealAgain();
    void PlayCard(std::int16_t side, std::int16_t pos);
    std::int16_t EnemySelect();
    [[nodiscard]] bool Damage(std::int16_t side, std::int16_t amount, std::int32_t kind);
    [[nodiscard]] bool Recover(std::int16_t side, std::int16_t amount);
    [[nodiscard]] bool DrawAnime();
    [[nodiscard]] bool WinBattle();
    [[nodiscard]] bool LoseBattle();
    [[nodiscard]] bool EndBattle(bool won);

    void Move(DisplayElement &obj, double start, double end, AniPos from, AniPos to);
    // Runs the steps added so far.
    [[nodiscard]] bool RunAnime();
    void PlayMusic(const QString &file, bool repeat);
    void ShowFloatingNumber(std::int16_t side, double start, std::int16_t amount);
    void ShowHp(std::int16_t side);
    bool Occupied(int slot);

    BattleScreen &m_screen;
    BattleMusic &m_music;
    Random &m_random;
    clsBattleRecord *m_record;
    AnimeEngine m_anime;
    BattleState m_state;
    RecordSave m_lastSave;
    int m_depth = 0;
    bool m_talking = false;
    bool m_talkSkipped = false;
};
