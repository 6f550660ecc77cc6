#pragma once

#include <QFont>

// The game's texts are set in a proportional Japanese gothic face. The name the screens ask for
// is mapped to a face installed here.
namespace Fonts {

// The family the screens name.
QString PGothicFamily();

// Maps the family to the installed Japanese faces; call once before any window is made.
void installSubstitutions();

// The game's font at `pointSize` points.
QFont PGothic(double pointSize, bool bold = false);

} // namespace Fonts
