#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "app/InfoSwitches.h"
#include "app/TestPlay.h"
#include "app/WindowScale.h"
#include "app/basMain.h"
#include "platform/ShownReport.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    // Answered before any window system is needed, so they work on a console too.
    if (const std::optional<int> status = InfoSwitches::answer(argc, argv))
        return *status;
    const std::unique_ptr<QApplication> app = WindowScale::MakeApplication(argc, argv);
    basMain::EndOnQuitSignals();
    const std::unique_ptr<GameWindows> windows = basMain::Main(QCoreApplication::arguments());
    if (!windows)
        return 0;
    // The adventure screen is complete once its battle button has painted.
    ReportShown(windows->adventure().findChild<QWidget *>(u"cmdADV3"_s));
    TestPlay::install(*windows);
    return QApplication::exec();
}
