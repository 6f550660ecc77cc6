#include "sound/frmWAVE.h"

using namespace Qt::StringLiterals;

frmWAVE::frmWAVE(QWidget *parent)
    : PlayerWindow(*new MusicPlayer(MusicPlayer::Kind::Wave), u"WAVE Audio"_s, parent)
{
    // The window owns its player.
    player().setParent(this);
}
