#include "app/frmAbout.h"

#include "adventure/frmADV.h"
#include "battle/BattleEngine.h"
#include "game/SharedObjects.h"
#include "platform/AppTitle.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMajor = 0;
constexpr int kMinor = 13;

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    const QString title = AppTitle();
    setWindowTitle(title + u" のﾊﾞｰｼﾞｮﾝ情報"_s);
    setFont(Fonts::PGothic(9));
    setFixedSize(412, 192);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(u"picIcon"_s);
    picIcon->setGeometry(8, 8, 36, 36);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    auto *lblTitle = new QLabel(title, this);
    lblTitle->setObjectName(u"lblTitle"_s);
    lblTitle->setGeometry(56, 8, 344, 24);
    lblTitle->setFont(Fonts::PGothic(18));

    auto *lblVersion = new QLabel(VersionLine(kMajor, kMinor), this);
    lblVersion->setObjectName(u"lblVersion"_s);
    lblVersion->setGeometry(56, 40, 128, 15);
    lblVersion->setFont(Fonts::PGothic(9.75));

    auto *lstInfo = new QListWidget(this);
    lstInfo->setObjectName(u"lstInfo"_s);
    lstInfo->setGeometry(8, 64, 393, 64);
    lstInfo->setFocusPolicy(Qt::NoFocus);
    lstInfo->setSelectionMode(QAbstractItemView::NoSelection);
    lstInfo->setFrameShape(QFrame::NoFrame);
    // Five lines of 12 pixels fit the list's 64 as they were laid out to.
    for (const QString &text : VersionTexts())
        lstInfo->addItem(text);
    for (int i = 0; i < lstInfo->count(); ++i)
        lstInfo->item(i)->setSizeHint(QSize(lstInfo->width(), 12));

    auto *cmdCompanyLogo = new QPushButton(this);
    cmdCompanyLogo->setObjectName(u"cmdCompanyLogo"_s);
    cmdCompanyLogo->setGeometry(8, 136, 206, 45);
    cmdCompanyLogo->setIcon(QIcon(u":/app/logo.png"_s));
    cmdCompanyLogo->setIconSize(QSize(200, 40));
    cmdCompanyLogo->setFocusPolicy(Qt::NoFocus);

    auto *cmdOK = new QPushButton(u"OK"_s, this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setGeometry(320, 152, 84, 31);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList frmAbout::VersionTexts()
{
    return {BattleEngine::Version(), frmADV::Version(), gCardData().Version(),
            gCharData().Version(), gBtlRec().Version()};
}

QString frmAbout::VersionLine(int major, int minor)
{
    return u"Version "_s + QString::number(major) + u"."_s + QString::number(minor);
}
