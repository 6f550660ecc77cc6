#include "adventure/frmADV.h"

#include "game/SharedObjects.h"
#include "platform/ExitProcedures.h"
#include "platform/Fonts.h"
#include "platform/MsgBox.h"
#include "platform/Palette.h"
#include "platform/Pictures.h"
#include "platform/WindowPlace.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <charconv>

using namespace Qt::StringLiterals;

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;
// Between the debug line's end and the picture.
constexpr int kDebugLineGap = 8;

// Element kinds of the debug line.
constexpr std::int32_t kBackground = 1;
constexpr std::int32_t kLabel = 2;
constexpr std::int32_t kImage = 3;
constexpr std::int32_t kButton = 4;

// Sides fixed by each battle button; -1 is chosen on the selection panel.
struct BattleButton
{
    QString caption;
    QRect geometry;
    std::int16_t you;
    std::int16_t enemy;
};

const std::array<BattleButton, 4> &battleButtons()
{
    static const std::array<BattleButton, 4> buttons = {{
        {u"Ch1 vs ？"_s, {120, 40, 137, 81}, 1, -1},
        {u"？ vs Ch2"_s, {264, 40, 137, 81}, -1, 2},
        {u"Ch1 vs Ch2"_s, {408, 40, 137, 81}, 1, 2},
        {u"フリーバトル"_s, {120, 144, 425, 81}, -1, -1},
    }};
    return buttons;
}

// The shortest text that reads back as the same single-precision value.
QString shortest(float value)
{
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    return QString::fromLatin1(text, result.ptr - text);
}

// A menu of entries that do nothing, with separators where an entry is empty.
void addEntries(QMenu *menu, const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (entry.isEmpty())
            menu->addSeparator();
        else
            menu->addAction(entry);
    }
}

} // namespace

frmADV::frmADV(QWidget *parent) : QMainWindow(parent, WindowPlace::FixedFlags())
{
    setObjectName(u"frmADV"_s);
    setWindowTitle(u"Virelith  "_s + Version());
    setFont(Fonts::PGothic(9));

    auto *client = new QWidget(this);
    client->setObjectName(u"frmADVClient"_s);
    client->setAttribute(Qt::WA_StyledBackground);
    client->setStyleSheet(
        u"#frmADVClient { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        u" stop:0 %1, stop:1 %2); }"_s.arg(Palette::Indigo.name(), Palette::Night.name()));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setMouseTracking(true);
    client->installEventFilter(this);
    setCentralWidget(client);

    const auto &buttons = battleButtons();
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(buttons[std::size_t(i)].caption, client);
        button->setObjectName(u"cmdADV"_s + QString::number(i));
        button->setGeometry(buttons[std::size_t(i)].geometry);
        button->setFont(Fonts::PGothic(14.25, true));
        button->setMouseTracking(true);
        button->installEventFilter(this);
        // Enter presses the button that has the focus, as Space does.
        button->setAutoDefault(true);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { cmdADV_Click(i); });
        m_cmdADV[std::size_t(i)] = button;
    }

    m_lblADV = new QLabel(client);
    m_lblADV->setObjectName(u"lblADV0"_s);
    m_lblADV->setGeometry(40, 280, 409, 145);
    m_lblADV->setFont(Fonts::PGothic(20.25));
    m_lblADV->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblADV->setMouseTracking(true);
    m_lblADV->installEventFilter(this);
    m_lblADV->hide();

    m_imgADV = new QLabel(client);
    m_imgADV->setObjectName(u"imgADV0"_s);
    m_imgADV->setGeometry(456, 304, 173, 167);
    // Read as the data's pictures are, so that a dense screen gets the twice-sized one.
    Picture picture;
    Pictures::load(u":/adventure/imgADV.png"_s, picture);
    m_imgADV->setPixmap(QPixmap::fromImage(picture));
    m_imgADV->setMouseTracking(true);
    m_imgADV->installEventFilter(this);
    m_imgADV->hide();

    m_lblDbgMes = new QLabel(u"ﾃﾞﾊﾞｯｸﾞﾒｯｾｰｼﾞ"_s, client);
    m_lblDbgMes->setObjectName(u"lblDbgMes"_s);
    // The line ends short of the picture, so that its background leaves the picture's frame be.
    m_lblDbgMes->setGeometry(0, 464, m_imgADV->x() - kDebugLineGap, 17);
    m_lblDbgMes->setAutoFillBackground(true);
    m_lblDbgMes->setVisible(gDebug);

    m_lblRecNotice = new QLabel(client);
    m_lblRecNotice->setObjectName(u"lblRecNotice"_s);
    m_lblRecNotice->setGeometry(40, 432, 409, 24);
    m_lblRecNotice->setFont(Fonts::PGothic(10.5, true));
    m_lblRecNotice->setStyleSheet(u"color: #FF9E7A;"_s);
    m_lblRecNotice->setText(u"※ 戦績データを保存できません"_s);
    m_lblRecNotice->hide();

    buildMenus();
    WindowPlace::FixSize(*this);
}

QString frmADV::Version()
{
    return u"ｱﾄﾞﾍﾞﾝﾁｬｰｽｸﾘﾌﾟﾄ  Ver. "_s + u"0.00 開発中"_s;
}

void frmADV::buildMenus()
{
    QMenu *file = menuBar()->addMenu(u"ﾌｧｲﾙ(&F)"_s);
    for (const QString &entry : {u"ﾛｰﾄﾞ(&L)"_s, u"ｾｰﾌﾞ(&S)"_s, QString(), u"ﾀｲﾄﾙへ戻る(&T)"_s}) {
        if (entry.isEmpty())
            file->addSeparator();
        else
            file->addAction(entry)->setEnabled(false);
    }
    file->addAction(u"ｹﾞｰﾑを終了する(&X)"_s, this, [this] {
        if (basMain::ConfirmExit() == IDOK)
            close();
    });

    QMenu *option = menuBar()->addMenu(u"ｵﾌﾟｼｮﾝ(&O)"_s);
    option->setObjectName(u"mnuOption"_s);
    option->addAction(u"設定"_s);
    option->addSeparator();
    QMenu *view = option->addMenu(u"表示"_s);
    addEntries(view->addMenu(u"ﾃｷｽﾄ"_s),
               {u"遅い"_s, u"標準"_s, u"速い"_s, u"一瞬"_s, QString(), u"ﾌｫﾝﾄ設定"_s});
    addEntries(view->addMenu(u"ｱﾆﾒｰｼｮﾝ"_s), {u"遅い"_s, u"標準"_s, u"速い"_s, u"ｽｷｯﾌﾟ"_s});
    QMenu *music = option->addMenu(u"音楽"_s);
    addEntries(music->addMenu(u"BGM"_s), {u"CD"_s, u"MIDI"_s, u"WAVE"_s, QString(), u"なし"_s});
    addEntries(music->addMenu(u"効果音"_s), {u"あり"_s, u"なし"_s});
    music->addSeparator();
    music->addAction(u"DirectSound使用"_s);
    option->setEnabled(false);

    menuBar()->addAction(u"ﾊﾞｰｼﾞｮﾝ情報(&V)"_s, this, &frmADV::versionRequested);

    QMenu *debug = menuBar()->addMenu(u"ﾃﾞﾊﾞｯｸﾞｵﾌﾟｼｮﾝ"_s);
    debug->setObjectName(u"mnuDebug"_s);
    addEntries(debug, {u"ﾃﾞﾊﾞｯｸﾞｽﾃｰﾀｽﾊﾞｰ表示"_s, u"ﾌﾟﾛﾌｧｲﾙﾀﾞｲｱﾛｸﾞ表示"_s, u"変数ﾀﾞｲｱﾛｸﾞ表示"_s,
                       u"ｽｸﾘﾌﾟﾄﾀﾞｲｱﾛｸﾞの表示"_s});
    debug->menuAction()->setVisible(false);
}

void frmADV::Print_TotalBtlRec()
{
    const clsBattleRecord &record = gBtlRec();
    m_lblADV->setText(
        u"ただいまフリーバトルのみです\r\n\r\n対戦回数 "_s + QString::number(record.UseAll()) +
        u"    総合得点 "_s + QString::number(record.PointAll()) + u"\r\n"_s +
        QString::number(record.WinAll()) + u"勝  "_s + QString::number(record.LoseAll()) + u"敗"_s);
}

void frmADV::Print_DbgMes(std::int32_t mode)
{
    if (mode != 1)
        return;
    m_lblDbgMes->setText(u"ContType:"_s + QString::number(m_ContType) + u"  lID:"_s +
                         QString::number(m_lID) + u"  Pointer:"_s + QString::number(m_Pointer) +
                         u"  X:"_s + shortest(m_X) + u"  Y:"_s + shortest(m_Y));
}

void frmADV::ShowRecordUnsaved(const QString &why)
{
    m_lblRecNotice->setToolTip(why);
    m_lblRecNotice->setVisible(!why.isEmpty());
}

void frmADV::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The window is first shown as it takes the focus; the rest waits until it is on screen.
    if (!m_firstFocusDone) {
        m_firstFocusDone = true;
        QTimer::singleShot(0, this, &frmADV::firstFocus);
    }
}

void frmADV::firstFocus()
{
    Print_TotalBtlRec();
    m_cmdADV[3]->show();
    m_imgADV->show();
    m_lblADV->show();
    // The one button takes the keys; the window gives it back each time it is shown again.
    m_cmdADV[3]->setFocus();
}

void frmADV::cmdADV_Click(int index)
{
    const BattleButton &button = battleButtons()[std::size_t(index)];
    emit battleRequested(button.you, button.enemy);
    hide();
}

void frmADV::recordPointer(std::int32_t contType, std::int32_t id, const QWidget *element,
                           QPointF position)
{
    m_ContType = contType;
    m_lID = id;
    // Qt numbers the ordinary arrow 0, as the status line expects for an unchanged pointer.
    m_Pointer = element->cursor().shape();
    m_X = static_cast<float>(position.x());
    m_Y = static_cast<float>(position.y());
    if (gDebug)
        Print_DbgMes(1);
}

bool frmADV::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const QPointF at = static_cast<QMouseEvent *>(event)->position();
        // Moves an element ignores reach the background too; only the bare background counts.
        if (watched == centralWidget()) {
            if (centralWidget()->childAt(at.toPoint()) == nullptr)
                recordPointer(kBackground, 0, centralWidget(), at);
        } else if (watched == m_lblADV)
            recordPointer(kLabel, 0, m_lblADV, at);
        else if (watched == m_imgADV)
            recordPointer(kImage, 0, m_imgADV, at);
        else if (auto *button = qobject_cast<QPushButton *>(watched))
            recordPointer(kButton, 0, button, at);
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmADV::closeEvent(QCloseEvent *event)
{
    if (basMain::AcceptClose(*event))
        basMain::UnloadAllForms();
}
