#pragma once

#include <QString>

// The application's title: the title of every message box that names none of its own, of the
// loading window and of the version box. Windows show their own captions with nothing added.
inline QString AppTitle()
{
    return QStringLiteral("Virelith(仮題)体験版");
}
