#pragma once

#include <QFont>

// The game's texts are set in a proportional Japanese gothic face. The name the screens ask for
// is mapped to a face installed here.
namespace Fonts {

// The family the screens name.
QString PGothicFamily();

// Maps the family to the installed Japanese faces and settles which face the fonts below ask
// for; call once, with the application made, before any window is.
void installSubstitutions();

// The game's font at `pointSize` points.
QFont PGothic(double pointSize, bool bold = false);

// The menus' font: the windows' 9 points, fully hinted. Half-width kana carry their voiced
// marks as glyphs of their own ("ﾊﾞｰｼﾞｮﾝ"), which at this size blur into faint specks beside
// their kana unless each stroke is fitted to whole pixels.
QFont Menus();

} // namespace Fonts
