// Begins a warm-up with the SoundFont given as the first argument and ends at once.
#include "sound/SoundSystem.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SoundSystem::instance().warmUp(QCoreApplication::arguments().value(1));
    return 0;
}
