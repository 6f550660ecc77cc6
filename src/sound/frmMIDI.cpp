#include "sound/frmMIDI.h"

#include <QPointer>

using namespace Qt::StringLiterals;

frmMIDI::frmMIDI(QWidget *parent) : PlayerWindow(MusicPlayer::midi(), u"MIDI seqencer"_s, parent) {}

frmMIDI &frmMIDI::instance()
{
    static QPointer<frmMIDI> window;
    if (window.isNull()) {
        window = new frmMIDI;
        // Closing it (at the program's end) unloads it; the next use makes a new one.
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return *window;
}
