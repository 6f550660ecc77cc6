#include "platform/Fonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Fonts {

QString PGothicFamily()
{
    return u"ＭＳ Ｐゴシック"_s;
}

void installSubstitutions()
{
    // IPAPGothic is proportional like the face the layouts were measured with; the fixed-width
    // IPAGothic is the fallback.
    QFont::insertSubstitutions(PGothicFamily(), QStringList{u"IPAPGothic"_s, u"IPAGothic"_s});
}

QFont PGothic(double pointSize, bool bold)
{
    QFont font(PGothicFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont Menus()
{
    QFont font = PGothic(9);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace Fonts
