#include "app/GameWindows.h"
#include "app/basMain.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const std::unique_ptr<GameWindows> windows = basMain::Main(QCoreApplication::arguments());
    if (!windows)
        return 0;
    return QApplication::exec();
}
