#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

// The face the fonts ask for outright is the one Qt would have substituted for the named
// family, at every size and weight the screens use.
TEST(Fonts, TheFontsAskForTheInstalledFaceTheNamedFamilyStandsFor)
{
    Fonts::installSubstitutions();
    for (const auto &[points, bold] : {std::pair(9.0, false), std::pair(14.25, true),
                                       std::pair(20.25, false), std::pair(24.0, true)}) {
        const QFont font = Fonts::PGothic(points, bold);
        EXPECT_TRUE(QFontDatabase::hasFamily(font.family())) << font.family().toStdString();
        QFont named(Fonts::PGothicFamily());
        named.setPointSizeF(points);
        named.setBold(bold);
        const QFontInfo got(font);
        const QFontInfo substituted(named);
        EXPECT_EQ(got.family(), substituted.family()) << points;
        EXPECT_EQ(got.pixelSize(), substituted.pixelSize()) << points;
        EXPECT_EQ(got.bold(), substituted.bold()) << points;
    }
}
