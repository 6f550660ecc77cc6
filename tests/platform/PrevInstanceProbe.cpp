// Exits 1 when another copy holds the folder given as the first argument, else 0.
#include "platform/PrevInstance.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    return args.size() > 1 && PrevInstance(args.at(1)) ? 1 : 0;
}
