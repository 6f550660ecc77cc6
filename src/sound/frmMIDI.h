#pragma once

#include "sound/PlayerWindow.h"

// The MIDI player's window ("MIDI seqencer"), showing MusicPlayer::midi().
class frmMIDI : public PlayerWindow
{
    Q_OBJECT

public:
    explicit frmMIDI(QWidget *parent = nullptr);

    // The program's one MIDI window, made hidden on first use. The battle screen plays its
    // music through it (or through instance().player()) without ever showing it.
    static frmMIDI &instance();
};
