// The floor of the start-up benchmark: the least a Qt Widgets program does to show one window.
// Run with VIRELITH_REPORT_SHOWN set, it reports its first paint and quits, as the game does.
#include "platform/ShownReport.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    ReportShown(&window);
    window.show();
    return QApplication::exec();
}
