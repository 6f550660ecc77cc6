#pragma once

#include "battle/BattleMusic.h"

class MusicPlayer;

// The battle's music through the program's MIDI player, the one behind the hidden MIDI window.
class MidiMusic : public BattleMusic
{
public:
    explicit MidiMusic(MusicPlayer &player);

    bool Stoped() override;
    void SetRepeat(bool repeat) override;
    void SetFile(const QString &path) override;
    bool Play(const QString &path) override;

private:
    MusicPlayer &m_player;
};
