#include "battle_view/MidiMusic.h"

#include "sound/MusicPlayer.h"

MidiMusic::MidiMusic(MusicPlayer &player) : m_player(player) {}

bool MidiMusic::Stoped()
{
    return m_player.Stoped();
}

void MidiMusic::SetRepeat(bool repeat)
{
    m_player.SetRepeat(repeat);
}

void MidiMusic::SetFile(const QString &path)
{
    m_player.SetFile(path);
}

bool MidiMusic::Play(const QString &path)
{
    return m_player.Play(path);
}
