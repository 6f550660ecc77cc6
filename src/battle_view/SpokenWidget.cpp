#include "battle_view/SpokenWidget.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace Spoken {

namespace {

QHash<const QObject *, Texts> &described()
{
    static QHash<const QObject *, Texts> widgets;
    return widgets;
}

const Texts *textsOf(const QObject *object)
{
    const auto found = described().constFind(object);
    return found == described().constEnd() ? nullptr : &*found;
}

// Looks its texts up at every question, so a widget that is forgotten reads as Qt would read
// it without them.
class LiveWidget : public QAccessibleWidget
{
public:
    explicit LiveWidget(QWidget *widget) : QAccessibleWidget(widget) {}

    QString text(QAccessible::Text t) const override
    {
        const Texts *texts = textsOf(object());
        if (texts && t == QAccessible::Name && texts->name)
            return texts->name();
        if (texts && t == QAccessible::Description && texts->description)
            return texts->description();
        return QAccessibleWidget::text(t);
    }

    QAccessible::Role role() const override
    {
        const Texts *texts = textsOf(object());
        return texts ? texts->role : QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const Texts *texts = textsOf(object());
        if (texts && texts->checked) {
            state.checkable = true;
            state.checked = texts->checked();
        }
        return state;
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object->isWidgetType() || textsOf(object) == nullptr)
        return nullptr;
    return new LiveWidget(static_cast<QWidget *>(object));
}

// Qt keeps one interface per widget once asked; one made before the widget was described
// (a label's text change asks at once) is dropped so that the next question makes a live one.
void dropInterface(QWidget *widget)
{
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

void describe(QWidget *widget, Texts texts)
{
    QAccessible::installFactory(factory);
    if (!described().contains(widget))
        QObject::connect(widget, &QObject::destroyed, [widget] { described().remove(widget); });
    described().insert(widget, std::move(texts));
    dropInterface(widget);
}

void forget(QWidget *widget)
{
    if (described().remove(widget) > 0)
        dropInterface(widget);
}

void tell(QWidget *widget, QAccessible::Event what)
{
    QAccessibleEvent event(widget, what);
    QAccessible::updateAccessibility(&event);
}

void tellChecked(QWidget *widget)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace Spoken
