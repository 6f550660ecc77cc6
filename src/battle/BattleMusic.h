#pragma once

#include <QString>

// The music player as the battle uses it. Failures show in the player itself; the battle never
// looks at them, so missing music never stops a battle.
class BattleMusic
{
public:
    virtual ~BattleMusic() = default;

    // Stops and closes whatever plays.
    virtual bool Stoped() = 0;
    virtual void SetRepeat(bool repeat) = 0;
    virtual void SetFile(const QString &path) = 0;
    // Plays `path`, or the file set before when it is empty.
    virtual bool Play(const QString &path) = 0;
};
