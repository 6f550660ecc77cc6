#pragma once

#include <QImage>
#include <QString>

// One picture showing a game folder's faces and every card as the hand shows it, for checking
// the content by eye.
namespace ContactSheet {

// Reads the folder's character and card tables (pictures that do not load are left blank);
// a null image, having said why on standard error, when a table does not load.
QImage draw(const QString &folder);

} // namespace ContactSheet
