#include "app/WindowScale.h"

#include "battle_view/frmVs.h"

#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace WindowScale {

namespace {

// The menu bar over the battle window's client area, in design pixels, with room to spare.
constexpr int kMenuBar = 24;
// What a window manager's title bar and borders take, in device pixels, with room to spare.
constexpr QSize kFrame(8, 40);

QSize largestWindow()
{
    return frmVs::ClientSize() + QSize(0, kMenuBar);
}

// The scale factor asked for with QT_SCALE_FACTOR, 1 when none is.
double askedFactor()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1;
}

} // namespace

double Fitting(const QSize &available, double ratio, const QSize &window, const QSize &frame)
{
    const double across = double(available.width() - frame.width()) / window.width();
    const double down = double(available.height() - frame.height()) / window.height();
    const double fits = std::floor(std::min(across, down) * 100) / 100;
    if (ratio <= fits)
        return ratio;
    return std::max(fits, 1.0);
}

std::unique_ptr<QApplication> MakeApplication(int &argc, char **argv)
{
    // The application takes its own options out of main's arguments; a second one needs them
    // all, and an argument count that lives as long as it does.
    static int count = argc;
    static std::vector<char *> arguments(argv, argv + argc + 1);
    auto app = std::make_unique<QApplication>(argc, argv);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return app;
    const double ratio = screen->devicePixelRatio();
    const QSize available = screen->availableGeometry().size() * ratio;
    const double fitting = Fitting(available, ratio, largestWindow(), kFrame);
    if (fitting >= ratio)
        return app;
    // The desktop's own factor and the one asked for multiply; the one asked for takes the
    // difference.
    const double factor = askedFactor() * fitting / ratio;
    app.reset();
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'f', 6));
    return std::make_unique<QApplication>(count, arguments.data());
}

} // namespace WindowScale
