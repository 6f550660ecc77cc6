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

namespace {

// Runs `react` for each event of `type` that reaches `watched`.
class EventWatch : public QObject
{
public:
    EventWatch(QObject *watched, QEvent::Type type, std::function<void()> react)
        : m_watched(watched), m_type(type), m_react(std::move(react))
    {
        watched->installEventFilter(this);
    }
    ~EventWatch() override { m_watched->removeEventFilter(this); }
    EventWatch(const EventWatch &) = delete;
    EventWatch &operator=(const EventWatch &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_watched && event->type() == m_type)
            m_react();
        return false;
    }

private:
    QObject *m_watched;
    QEvent::Type m_type;
    std::function<void()> m_react;
};

} // namespace

double VsTest::timeToDeal(const std::function<void()> &start,
                          const std::function<void()> &onBalloon)
{
    double begun = -1;
    double dealt = -1;
    AnimeTimer &clock = window().animeTimer();
    // The battle hides the selection panel as it starts, and the deal shows the first card.
    const EventWatch panel(find(u"picCharSelect"_s), QEvent::Hide, [&] {
        if (begun < 0)
            begun = clock.Seconds();
    });
    const EventWatch card(find(u"picCard"_s, 0), QEvent::Show, [&] {
        if (dealt < 0)
            dealt = clock.Seconds();
    });
    bool balloonShown = false;
    const EventWatch balloon(find(u"picFukidashi0"_s), QEvent::Show, [&] {
        if (balloonShown || !onBalloon)
            return;
        balloonShown = true;
        // Outside the tick that shows it, as a player's click or key would come.
        QTimer::singleShot(0, &window(), onBalloon);
    });
    start();
    EXPECT_EQ(state().Phase, kPhaseWaiting);
    return begun < 0 || dealt < 0 ? -1 : dealt - begun;
}

void VsTest::answerBoxes(int answer)
{
    setMsgBoxHook([this, answer](const MsgBoxRequest &) {
        ++boxes;
        return answer;
    });
}
