#include "app/frmTitle.h"

#include "game/LoadSteps.h"
#include "game/SharedObjects.h"
#include "platform/AppTitle.h"
#include "platform/Fonts.h"
#include "platform/GameFolders.h"
#include "platform/MsgBox.h"
#include "platform/Twips.h"
#include "platform/WindowPlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>

#include <exception>

using namespace Qt::StringLiterals;

namespace {

const QString kCrLf = u"\r\n"_s;

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

frmTitle::frmTitle(QWidget *parent) : QWidget(parent, WindowPlace::FixedFlags())
{
    setObjectName(u"frmTitle"_s);
    setWindowTitle(AppTitle());
    setFont(Fonts::PGothic(12));
    setFixedSize(TwipsToPixels(5535), TwipsToPixels(2190));
    label(this, u"lblWaitMes"_s, {120, 120, 5340, 480}, Fonts::PGothic(24, true))
        ->setText(u"準備中"_s);
    m_lblMessage = label(this, u"lblMessage"_s, {120, 840, 5295, 1215}, Fonts::PGothic(15.75));
    WindowPlace::FixSize(*this);
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
        for (const LoadStep &step : LoadSteps()) {
            m_M = step.loadingText(kCrLf);
            m_lblMessage->setText(m_M);
            // The caption is painted before the load blocks.
            m_lblMessage->repaint();
            QCoreApplication::processEvents();
            // Closed meanwhile (its close box, or a signal to end): the program ends instead.
            if (!isVisible())
                return;
            m_R = runStep(step);
            if (m_R == rcSuccess)
                continue;
            m_M = step.failureText(m_R, kCrLf);
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

ResultCode frmTitle::runStep(const LoadStep &step)
{
    if (&step != &LoadSteps()[RecordStep])
        return step.run(gAppPath + step.fileName);
    // The record is the player's: where the game folder is not the player's to write, it lives
    // in the player's own data folder, which starts from the record the game ships, if any.
    const QString folder = GameFolders::record(gAppPath);
    if (!GameFolders::prepareRecord(gAppPath, folder, step.fileName))
        return rcWriteError;
    return step.run(QDir::toNativeSeparators(QDir(folder).filePath(step.fileName)));
}

bool frmTitle::ErrorReport()
{
    if (gDebug) {
        return MsgBox(m_M + kCrLf + kCrLf + u"続行しますか？"_s, MB_YESNO | MB_ICONWARNING) ==
               IDYES;
    }
    MsgBox(m_M, MB_ICONWARNING);
    return false;
}
