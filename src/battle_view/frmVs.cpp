#include "battle_view/frmVs.h"

#include "battle/BattleEngine.h"
#include "battle/Random.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/BoardGlow.h"
#include "battle_view/CardInfo.h"
#include "battle_view/CharSelect.h"
#include "battle_view/MidiMusic.h"
#include "battle_view/PictureBox.h"
#include "battle_view/VsAccessible.h"
#include "battle_view/VsBoard.h"
#include "battle_view/VsInput.h"
#include "battle_view/VsKeys.h"
#include "battle_view/VsScreen.h"
#include "game/SharedObjects.h"
#include "platform/ExitProcedures.h"
#include "platform/Fonts.h"
#include "platform/MsgBox.h"
#include "platform/WindowPlace.h"
#include "sound/frmMIDI.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

using namespace Qt::StringLiterals;

frmVs::frmVs(QWidget *parent) : frmVs(Random::Program(), parent) {}

frmVs::frmVs(Random &random, QWidget *parent) : QMainWindow(parent, WindowPlace::FixedFlags())
{
    setObjectName(u"frmVs"_s);
    setWindowIcon(QApplication::windowIcon());
    setWindowTitle(u"Virelith  "_s + Version());
    setFont(Fonts::PGothic(9));

    auto *client = new BoardGlow(ClientSize(), this);
    client->setObjectName(u"frmVsClient"_s);
    client->setMouseTracking(true);
    client->installEventFilter(this);
    setCentralWidget(client);

    buildMenus();
    m_timer = std::make_unique<AnimeTimer>();
    m_timer->followScreenOf(this);
    // The battle plays its music through the hidden MIDI window's player.
    m_music = std::make_unique<MidiMusic>(frmMIDI::instance().player());
    m_board = std::make_unique<VsBoard>(client);
    m_screen = std::make_unique<VsScreen>(*m_board, m_timer->pacer(), *m_mnuOptTalk, [this] {
        hide();
        emit returnToAdventure();
    });
    m_engine =
        std::make_unique<BattleEngine>(*m_screen, *m_music, m_timer.get(), random, &gBtlRec());
    m_timer->attach(m_engine->Anime());
    m_charSelect = std::make_unique<CharSelect>(*m_board, *m_engine);
    m_cardInfo = std::make_unique<CardInfo>(*m_board, *m_screen, *m_engine, *m_mnuOptJudge);
    m_input = std::make_unique<VsInput>(*m_engine, *m_charSelect, *m_cardInfo, *m_board, m_closing);
    m_keys = std::make_unique<VsKeys>(*this, *m_input, *m_board, *m_engine);
    m_accessible =
        std::make_unique<VsAccessible>(*m_board, *m_screen, *m_engine, *m_input, *m_mnuOptTalk);
    connectElements();
    // A click on the balloon's face stops at the face; one anywhere else on it reaches the board.
    m_board->imgFukidashi->installEventFilter(this);
    m_engine->Load();
    // The hand cards are hidden until the first deal: styling them now keeps that work out of
    // the deal's frames.
    client->ensurePolished();
    WindowPlace::FixSize(*this);
}

frmVs::~frmVs() = default;

QString frmVs::Version()
{
    return BattleEngine::Version();
}

void frmVs::SetChar(std::int16_t iYou, std::int16_t iEnemy)
{
    m_engine->SetChar(iYou, iEnemy);
}

void frmVs::buildMenus()
{
    QMenu *file = menuBar()->addMenu(u"ﾌｧｲﾙ(&F)"_s);
    const struct
    {
        QString name;
        QString caption;
    } unused[] = {{u"mnuFileLoad"_s, u"ﾛｰﾄﾞ(&L)"_s},
                  {u"mnuFileSave"_s, u"ｾｰﾌﾞ(&S)"_s},
                  {u"mnuFileTitle"_s, u"ﾀｲﾄﾙへ戻る(&T)"_s}};
    for (const auto &entry : unused) {
        QAction *action = file->addAction(entry.caption);
        action->setObjectName(entry.name);
        action->setEnabled(false);
    }
    file->addSeparator();
    QAction *exit = file->addAction(u"ｹﾞｰﾑを終了する(&X)"_s, this, [this] {
        // The close that follows does not ask again.
        if (basMain::ConfirmExit() == IDOK)
            close();
    });
    exit->setObjectName(u"mnuFileExit"_s);

    QMenu *option = menuBar()->addMenu(u"ｵﾌﾟｼｮﾝ(&O)"_s);
    m_mnuOptJudge = option->addAction(u"勝敗表示"_s);
    m_mnuOptJudge->setObjectName(u"mnuOptJudge"_s);
    m_mnuOptTalk = option->addAction(u"ｾﾘﾌ表示"_s);
    m_mnuOptTalk->setObjectName(u"mnuOptTalk"_s);
    for (QAction *check : {m_mnuOptJudge, m_mnuOptTalk}) {
        check->setCheckable(true);
        check->setChecked(true);
    }

    QAction *version = menuBar()->addAction(u"ﾊﾞｰｼﾞｮﾝ情報(&V)"_s, this, &frmVs::versionRequested);
    version->setObjectName(u"mnuVer"_s);
}

void frmVs::connectElements()
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<std::int16_t>(slot);
        PictureBox *card = m_board->picCard[std::size_t(slot)].pic;
        connect(card, &PictureBox::pointed, this, [this, s] { m_input->pointCard(s); });
        connect(card, &PictureBox::clicked, this, [this, s] { m_input->clickCard(s); });
    }
    for (int i = 1; i <= VsBoard::kMaxFaces; ++i) {
        const auto n = static_cast<std::int16_t>(i);
        PictureBox *face = m_board->imgChar[std::size_t(i)];
        connect(face, &PictureBox::pointed, this, [this, n] { m_input->pointFace(n); });
        connect(face, &PictureBox::clicked, this, [this, n] { m_input->clickFace(n); });
    }
}

void frmVs::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The selection panel takes the focus as the window appears; what it does waits until the
    // window is on screen.
    if (!m_board->picCharSelect->isHidden()) {
        m_board->picCharSelect->setFocus();
        QTimer::singleShot(0, this, &frmVs::picCharSelect_GotFocus);
    }
}

void frmVs::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The window taking the focus makes the battle live, as its selection panel's focus does.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_closing)
        m_engine->State().bActive = true;
}

void frmVs::picCharSelect_GotFocus()
{
    if (m_input->idle() && isVisible() && !m_board->picCharSelect->isHidden())
        m_charSelect->picCharSelect_GotFocus();
}

bool frmVs::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        m_input->skipTalk();
    if (watched == centralWidget() && event->type() == QEvent::MouseMove) {
        // Moves that elements pass on reach the background too; only the bare background counts.
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (centralWidget()->childAt(at) == nullptr)
            m_input->pointBackground();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmVs::closeEvent(QCloseEvent *event)
{
    if (!basMain::AcceptClose(*event))
        return;
    m_closing = true;
    // The battle stops at its next wait; the running animation is cut short first.
    m_engine->Close();
    basMain::UnloadAllForms();
}
