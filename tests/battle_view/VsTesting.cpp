#include "VsTesting.h"

#include "battle_view/AnimeTimer.h"
#include "game/LoadSteps.h"
#include "game/SharedObjects.h"
#include "platform/MsgBox.h"
#include "support/SampleGame.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// How much faster than real time the window's clock runs.
constexpr double kRate = 50;

} // namespace

void VsTest::load(int characters)
{
    // A test closes every window; the process goes on.
    QApplication::setQuitOnLastWindowClosed(false);
    writeSampleGame(dir, characters);
    gAppPath = dir.folder();
    gStrList().RemoveAll();
    for (const LoadStep &step : LoadSteps())
        ASSERT_EQ(step.run(dir.path(step.fileName)), rcSuccess) << step.fileName.toStdString();
}

void VsTest::TearDown()
{
    setMsgBoxHook({});
    if (m_window) {
        EXPECT_FALSE(m_window->engine().Busy());
    }
}

frmVs &VsTest::window()
{
    if (!m_window) {
        m_window = std::make_unique<frmVs>(random);
        m_window->animeTimer().setRate(kRate);
    }
    return *m_window;
}

void VsTest::showWith(std::int16_t you, std::int16_t enemy)
{
    window().SetChar(you, enemy);
    window().show();
    QCoreApplication::processEvents();
}

void VsTest::choose(int you, int enemy)
{
    showWith(-1, -1);
    for (int face : {you, enemy}) {
        pointAt(find(u"imgChar"_s, face));
        click(find(u"imgChar"_s, face));
    }
}

void VsTest::startBattle()
{
    showWith(1, 2);
    ASSERT_EQ(state().Phase, kPhaseWaiting);
    ASSERT_FALSE(window().engine().Busy());
}

void VsTest::pointAt(QWidget *widget)
{
    pointAt(widget, widget->rect().center());
}

void VsTest::pointAt(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void VsTest::click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    // The click's work is queued; it runs here, nested waits and all.
    QCoreApplication::processEvents();
}

void VsTest::press(Qt::Key key)
{
    QWidget *focus = window().focusWidget();
    QTest::keyClick(focus ? focus : &window(), key);
    QCoreApplication::processEvents();
}

void VsTest::press(std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key key : keys)
        press(key);
}

bool VsTest::playFirstCard()
{
    for (int slot = 0; slot < 6; ++slot) {
        QWidget *card = find(u"picCard"_s, slot);
        if (!card->isHidden()) {
            click(card);
            click(card);
            return true;
        }
    }
    return false;
}

void VsTest::when(std::function<bool()> condition, std::function<void()> action)
{
    auto *timer = new QTimer(&window());
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, condition, action] {
        if (!condition())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

void VsTest::answerBoxes(int answer)
{
    setMsgBoxHook([this, answer](const MsgBoxRequest &) {
        ++boxes;
        return answer;
    });
}
