#include "battle_view/FocusFrame.h"

#include "platform/Palette.h"

#include <QEvent>
#include <QPainter>

FocusFrame::FocusFrame(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("keyFocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusFrame::follow(QWidget *target)
{
    if (m_target == target)
        return;
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = target;
    if (m_target) {
        m_target->installEventFilter(this);
        // A sibling of its element, above everything the element's parent holds.
        if (parentWidget() != m_target->parentWidget())
            setParent(m_target->parentWidget());
    }
    place();
}

void FocusFrame::setActive(bool active)
{
    m_active = active;
    place();
}

void FocusFrame::place()
{
    const bool shown = m_active && m_target && !m_target->isHidden();
    if (!shown) {
        hide();
        return;
    }
    setGeometry(m_target->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal half = kBand / 2.0;
    const QRectF line = QRectF(rect()).adjusted(half, half, -half, -half);
    painter.setPen(QPen(Palette::Night, kBand, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(line);
    QPen dashes(Palette::Ivory, kBand / 2, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({3, 2});
    painter.setPen(dashes);
    painter.drawRect(line);
}
