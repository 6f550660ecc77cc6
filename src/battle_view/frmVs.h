#pragma once

#include "battle/BoardLayout.h"

#include <QMainWindow>
#include <QSize>

#include <cstdint>
#include <memory>

class AnimeTimer;
class BattleEngine;
class CardInfo;
class CharSelect;
class MidiMusic;
class QAction;
class Random;
class VsAccessible;
class VsInput;
class VsKeys;
class VsScreen;
struct VsBoard;

// The battle window: the character selection, the board with both hands, the character panels,
// the card information panel and the talk balloon, all driven by one battle engine.
//
// The engine waits for its animations inside window events, so the window and everything it
// owns must outlive every engine call: it is never deleted on close, and whoever owns it
// deletes it only after the event loop has ended.
class frmVs : public QMainWindow
{
    Q_OBJECT

public:
    // Battles draw from `random`.
    explicit frmVs(Random &random, QWidget *parent = nullptr);
    explicit frmVs(QWidget *parent = nullptr);
    ~frmVs() override;

    // Known without a window, so the version box can list it.
    static QString Version();
    // The board and its panels, the largest client area of the game's windows.
    static constexpr QSize ClientSize() { return {794, static_cast<int>(kBoardHeight)}; }

    // Fixes the two sides (-1: chosen on the selection panel) before the window is shown.
    // Throws std::out_of_range for a number that is no character.
    void SetChar(std::int16_t iYou, std::int16_t iEnemy);

    BattleEngine &engine() const { return *m_engine; }
    AnimeTimer &animeTimer() const { return *m_timer; }
    // Where pointing, clicking and keys reach the battle.
    VsInput &input() const { return *m_input; }

signals:
    // A battle has ended and the window has hidden itself.
    void returnToAdventure();
    // "ﾊﾞｰｼﾞｮﾝ情報(&V)" was chosen.
    void versionRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void connectElements();
    // Nothing may start while the battle engine runs (it may be waiting inside this very
    // event) or once the window is closing.
    bool idle() const;
    void picCharSelect_GotFocus();
    void imgChar_Click(std::int16_t i);
    void cardClick(std::int16_t slot);

    QAction *m_mnuOptJudge = nullptr;
    QAction *m_mnuOptTalk = nullptr;
    std::unique_ptr<AnimeTimer> m_timer;
    std::unique_ptr<MidiMusic> m_music;
    std::unique_ptr<VsBoard> m_board;
    std::unique_ptr<VsScreen> m_screen;
    std::unique_ptr<BattleEngine> m_engine;
    std::unique_ptr<CharSelect> m_charSelect;
    std::unique_ptr<CardInfo> m_cardInfo;
    bool m_closing = false;
    std::unique_ptr<VsInput> m_input;
    std::unique_ptr<VsKeys> m_keys;
    std::unique_ptr<VsAccessible> m_accessible;
};
