#pragma once

#include "sound/PlayerWindow.h"

// The WAVE player's window ("WAVE Audio"), with a player of its own.
class frmWAVE : public PlayerWindow
{
    Q_OBJECT

public:
    explicit frmWAVE(QWidget *parent = nullptr);
};
