#include "app/frmTitle.h"

#include "data/basGlobal.h"
#include "game/SharedObjects.h"
#include "platform/Fonts.h"
#include "platform/MsgBox.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include <exception>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int kStrictPictures = 2;
const QString kCrLf = u"\r\n"_s;

struct LoadStep
{
    QString what;
    std::function<ResultCode()> operation;
    // The name that stopped a table's read, added to the message; none for other steps.
    std::function<QString()> detail;
};

std::vector<LoadStep> loadSteps()
{
    return {
        {u"キャラクターデータ"_s,
         [] {
             gCharData().setAccessLevel(kStrictPictures);
             return gCharData().Read(gAppPath + u"CharData.CSV"_s);
         },
         [] {
             return gCharData().ErrorMessageEX();
         }},
        {u"カードデータ"_s,
         [] {
             gCardData().setAccessLevel(kStrictPictures);
             return gCardData().Read(gAppPath + u"CardData.CSV"_s);
         },
         [] {
             return gCardData().ErrorMessageEX();
         }},
        {u"戦績データ"_s, [] { return gBtlRec().Read(gAppPath + u"BtlRec.CSV"_s); }, {}},
        {u"勝利ポイントテーブル"_s,
         [] { return gBtlRec().Read_WinPoint(gAppPath + u"BtlPoint.CSV"_s); },
         {}},
        {u"戦闘画面用データ"_s,
         [] { return gStrList().Read(gAppPath + u"Vs.CSV"_s, clsStringList::AppendToList); },
         {}},
    };
}

QLabel *label(QWidget *parent, const QString &name, QRect twips, const QFont &font)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(TwipsToPixels(twips.x()), TwipsToPixels(twips.y()), TwipsToPixels(twips.width()),
                   TwipsToPixels(twips.height()));
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

frmTitle::frmTitle(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"frmTitle"_s);
    setWindowTitle(QCoreApplication::applicationName());
    setFont(Fonts::PGothic(12));
    setFixedSize(TwipsToPixels(5535), TwipsToPixels(2190));
    label(this, u"lblWaitMes"_s, {120, 120, 5340, 480}, Fonts::PGothic(24, true))
        ->setText(u"準備中"_s);
    m_lblMessage = label(this, u"lblMessage"_s, {120, 840, 5295, 1215}, Fonts::PGothic(15.75));
}

void frmTitle::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Loading starts once the window is on screen, and only once.
    if (!m_once) {
        m_once = true;
        QTimer::singleShot(0, this, &frmTitle::load);
    }
}

void frmTitle::load()
{
    try {
        for (const LoadStep &step : loadSteps()) {
            m_M = step.what + kCrLf + u"読み込み"_s;
            m_lblMessage->setText(m_M);
            // The caption is painted before the load blocks.
            m_lblMessage->repaint();
            QCoreApplication::processEvents();
            m_R = step.operation();
            if (m_R == rcSuccess)
                continue;
            if (step.detail)
                m_M += kCrLf + step.detail();
            if (!ErrorReport()) {
                close();
                return;
            }
        }
    } catch (const std::exception &) {
        // A failure that is not a result code ends the program without a message.
        close();
        return;
    }
    emit loaded();
    close();
}

bool frmTitle::ErrorReport()
{
    m_M += u"エラー"_s + kCrLf + basGlobal::ResultMessage(m_R);
    if (gDebug) {
        return MsgBox(m_M + kCrLf + kCrLf + u"続行しますか？"_s, MB_YESNO | MB_ICONWARNING) ==
               IDYES;
    }
    MsgBox(m_M, MB_ICONWARNING);
    return false;
}
