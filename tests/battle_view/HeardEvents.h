#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

class QObject;

// An accessibility event as a screen reader would hear it: what happened, to which element,
// and the element's name and description at that moment.
struct Heard
{
    QAccessible::Event type;
    const QObject *object;
    QString name;
    QString description;
};

// Every accessibility event of the program since the last take(). The offscreen platform has no
// screen reader, so Qt never calls an update handler there; it hands each event to the
// accessibility bridges it loads instead, and this test program brings one.
std::vector<Heard> takeHeard();

// The names heard for `object` with events of `type`, in order.
QStringList heardNames(const std::vector<Heard> &heard, const QObject *object,
                       QAccessible::Event type);
