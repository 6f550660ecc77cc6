// The battle window on a game folder, as a screen of any density shows it (set by
// QT_SCALE_FACTOR), for a test that compares the screens:
//
//     dense_screen_probe DATA OUT.png
//
// Loads DATA as the title window does, opens the selection panel with the first face pointed
// at (its preview fills the player's panel) and writes the window to OUT.png. Prints "ratio R",
// then "NAME X,Y WxH picture R" for the pointed face and the preview: the place in the window
// in pixels of the layout, and the ratio of the picture shown.
#include "battle/Random.h"
#include "battle_view/PictureBox.h"
#include "battle_view/frmVs.h"
#include "game/LoadSteps.h"
#include "game/SharedObjects.h"

#include <QApplication>
#include <QMouseEvent>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

QString placeOf(const frmVs &window, const QString &name)
{
    const auto *box = window.findChild<PictureBox *>(name);
    if (!box)
        return name + u" missing"_s;
    const QPoint at = box->mapTo(&window, QPoint());
    return name + u' ' + QString::number(at.x()) + u',' + QString::number(at.y()) + u' ' +
           QString::number(box->width()) + u'x' + QString::number(box->height()) + u" picture "_s +
           QString::number(box->picture().devicePixelRatio());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: dense_screen_probe DATA OUT.png\n");
        return 2;
    }
    gAppPath = arguments[1] + u'/';
    for (const LoadStep &step : LoadSteps()) {
        if (step.run(gAppPath + step.fileName) != rcSuccess) {
            std::fprintf(stderr, "%s does not load\n", qPrintable(step.fileName));
            return 1;
        }
    }
    Random random(1);
    frmVs window(random);
    window.SetChar(-1, -1);
    window.show();
    QCoreApplication::processEvents();
    auto *face = window.findChild<QWidget *>(u"imgChar1"_s);
    const QPoint centre = face->rect().center();
    QMouseEvent move(QEvent::MouseMove, centre, face->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(face, &move);
    QCoreApplication::processEvents();
    if (!window.grab().save(arguments[2]))
        return 1;
    say(u"ratio "_s + QString::number(app.devicePixelRatio()));
    say(placeOf(window, u"imgChar1"_s));
    say(placeOf(window, u"imgFace0"_s));
    window.hide();
    return 0;
}
