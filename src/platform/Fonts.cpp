#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace Fonts {

namespace {

// The face the game's fonts ask for: the named family where it is installed, else its first
// installed stand-in.
QString &askedFamily()
{
    static QString family = PGothicFamily();
    return family;
}

} // namespace

QString PGothicFamily()
{
    return u"ＭＳ Ｐゴシック"_s;
}

void installSubstitutions()
{
    // IPAPGothic is proportional like the face the layouts were measured with; the fixed-width
    // IPAGothic is the fallback.
    const QStringList standIns{u"IPAPGothic"_s, u"IPAGothic"_s};
    QFont::insertSubstitutions(PGothicFamily(), standIns);
    // A family that is not installed sends Qt through the system's whole list of fallbacks (a
    // font sort for every script of every size) before it tries the substitutes: asking for
    // the installed face spares that search.
    // The list first: hasFamily asks the system to resolve the name as an alias each time.
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : QStringList{PGothicFamily()} + standIns) {
        if (installed.contains(family, Qt::CaseInsensitive) || QFontDatabase::hasFamily(family)) {
            askedFamily() = family;
            return;
        }
    }
}

QFont PGothic(double pointSize, bool bold)
{
    QFont font(askedFamily());
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
