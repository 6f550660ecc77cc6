#include "app/frmAbout.h"

#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(frmAbout, ListsTheFiveVersionTextsInOrder)
{
    frmAbout box;
    EXPECT_EQ(box.windowTitle(), u"Virelith(仮題)体験版 のﾊﾞｰｼﾞｮﾝ情報"_s);
    EXPECT_EQ(box.findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 0.13"_s);
    const QListWidget *list = box.findChild<QListWidget *>(u"lstInfo"_s);
    const QStringList expected = {u"ｶｰﾄﾞﾊﾞﾄﾙｼｽﾃﾑ Ver. 0.13 開発中"_s,
                                  u"ｱﾄﾞﾍﾞﾝﾁｬｰｽｸﾘﾌﾟﾄ  Ver. 0.00 開発中"_s, u"Card  Ver.1.00"_s,
                                  u"Char  Ver.1.00"_s, u"BtlRecVer.1.00"_s};
    ASSERT_EQ(list->count(), expected.size());
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(list->item(i)->text(), expected[i]);
}

TEST(frmAbout, MinorNumberHasNoLeadingZeros)
{
    EXPECT_EQ(frmAbout::VersionLine(0, 5), u"Version 0.5"_s);
    EXPECT_EQ(frmAbout::VersionLine(1, 13), u"Version 1.13"_s);
}

} // namespace
