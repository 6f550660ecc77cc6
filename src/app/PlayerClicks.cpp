#include "app/PlayerClicks.h"

#include "adventure/frmADV.h"
#include "battle/BoardLayout.h"
#include "battle_view/frmVs.h"

#include <QCoreApplication>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace PlayerClicks {

QWidget *freeBattleButton(const frmADV &adventure)
{
    return adventure.findChild<QWidget *>(u"cmdADV3"_s);
}

QWidget *face(const frmVs &battle, int number)
{
    return battle.findChild<QWidget *>(u"imgChar"_s + QString::number(number));
}

QWidget *firstCard(const frmVs &battle)
{
    for (int pos = 0; pos < kHandSize; ++pos) {
        auto *card = battle.findChild<QWidget *>(u"picCard"_s + QString::number(slotOf(0, pos)));
        if (card->isVisibleTo(&battle))
            return card;
    }
    return nullptr;
}

void pointAt(QWidget *widget)
{
    const QPoint at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void sendClick(QWidget *widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace PlayerClicks
