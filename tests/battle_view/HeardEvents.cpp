#include "HeardEvents.h"

#include <QAccessibleBridge>
#include <QStringList>
#include <QtPlugin>

#include <memory>

namespace {

std::vector<Heard> &heard()
{
    static std::vector<Heard> events;
    return events;
}

class Listener : public QAccessibleBridge
{
public:
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        QAccessibleInterface *element = event->accessibleInterface();
        heard().push_back({event->type(), event->object(),
                           element ? element->text(QAccessible::Name) : QString(),
                           element ? element->text(QAccessible::Description) : QString()});
    }
};

} // namespace

class HeardEventsPlugin : public QAccessibleBridgePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "HeardEvents.json")

public:
    // Qt keeps the bridge it asks for to the end without deleting it.
    QAccessibleBridge *create(const QString &) override
    {
        if (!m_listener)
            m_listener = std::make_unique<Listener>();
        return m_listener.get();
    }

private:
    std::unique_ptr<Listener> m_listener;
};

Q_IMPORT_PLUGIN(HeardEventsPlugin)

std::vector<Heard> takeHeard()
{
    std::vector<Heard> taken;
    taken.swap(heard());
    return taken;
}

QStringList heardNames(const std::vector<Heard> &events, const QObject *object,
                       QAccessible::Event type)
{
    QStringList names;
    for (const Heard &h : events) {
        if (h.object == object && h.type == type)
            names << h.name;
    }
    return names;
}

#include "HeardEvents.moc"
