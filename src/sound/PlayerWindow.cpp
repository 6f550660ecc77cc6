#include "sound/PlayerWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int PathRole = Qt::UserRole;

// The drives of the drive list: the file system's roots ("/" alone on POSIX).
QStringList driveRoots()
{
    QStringList roots;
    for (const QFileInfo &root : QDir::drives())
        roots << QDir::cleanPath(root.absoluteFilePath());
    return roots;
}

// The drive that holds `folder`: the longest root that begins it.
int driveIndexOf(const QStringList &drives, const QString &folder)
{
    int best = -1;
    for (int i = 0; i < drives.size(); ++i) {
        if (folder.startsWith(drives[i], Qt::CaseInsensitive) &&
            (best < 0 || drives[i].size() > drives[best].size()))
            best = i;
    }
    return best;
}

// The folder one level above `folder`; empty for a root.
QString parentOf(const QString &folder)
{
    QDir up(folder);
    return up.cdUp() ? QDir::cleanPath(up.absolutePath()) : QString();
}

} // namespace

PlayerWindow::PlayerWindow(MusicPlayer &player, const QString &caption, QWidget *parent)
    : QWidget(parent), m_player(player), dri(new QComboBox(this)), dir(new QListWidget(this)),
      file(new QListWidget(this)), cmdPlay(new QPushButton(u"Play"_s, this)),
      cmdStop(new QPushButton(u"Stop"_s, this)), cmdPause(new QPushButton(u"Pause"_s, this)),
      chkRepeat(new QCheckBox(u"ﾘﾋﾟｰﾄ"_s, this)), lblMessage(new QLabel(this))
{
    setWindowTitle(caption);
    // The controls carry their names, for tests and for finding them in a debugger.
    dri->setObjectName(u"dri"_s);
    dir->setObjectName(u"dir"_s);
    file->setObjectName(u"file"_s);
    cmdPlay->setObjectName(u"cmdPlay"_s);
    cmdStop->setObjectName(u"cmdStop"_s);
    cmdPause->setObjectName(u"cmdPause"_s);
    chkRepeat->setObjectName(u"chkRepeat"_s);
    lblMessage->setObjectName(u"lblMessage"_s);
    lblMessage->setWordWrap(true);
    lblMessage->setFrameShape(QFrame::Panel);
    lblMessage->setFrameShadow(QFrame::Sunken);
    lblMessage->setMinimumHeight(lblMessage->fontMetrics().lineSpacing() * 2 + 8);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QGridLayout(this);
    layout->addWidget(dri, 0, 0);
    layout->addWidget(dir, 1, 0);
    layout->addWidget(file, 0, 1, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPlay);
    buttons->addWidget(cmdStop);
    buttons->addWidget(cmdPause);
    buttons->addWidget(chkRepeat);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->addWidget(lblMessage, 3, 0, 1, 2);
    resize(420, 320);

    fillDrives();
    connect(dri, &QComboBox::activated, this, &PlayerWindow::driveChosen);
    connect(dir, &QListWidget::itemActivated, this, &PlayerWindow::folderChosen);
    connect(file, &QListWidget::itemClicked, this, &PlayerWindow::fileClicked);
    connect(file, &QListWidget::itemActivated, this, &PlayerWindow::fileChosen);
    connect(cmdPlay, &QPushButton::clicked, this, [this] { m_player.Play(QString()); });
    connect(cmdStop, &QPushButton::clicked, this, [this] { m_player.Stoped(); });
    connect(cmdPause, &QPushButton::clicked, this, [this] { m_player.PauseReplay(); });
    connect(chkRepeat, &QCheckBox::clicked, this,
            [this](bool checked) { m_player.SetRepeat(checked); });
    connect(&m_player, &MusicPlayer::changed, this, &PlayerWindow::refresh);
    refresh();
}

void PlayerWindow::closeEvent(QCloseEvent *event)
{
    m_player.closeDevice();
    event->accept();
}

void PlayerWindow::refresh()
{
    if (m_player.folder() != m_shownFolder) {
        m_shownFolder = m_player.folder();
        dri->setCurrentIndex(driveIndexOf(driveRoots(), m_shownFolder));
        fillFolders();
        fillFiles();
    }
    const QList<QListWidgetItem *> chosen = file->findItems(m_player.fileName(), Qt::MatchExactly);
    file->setCurrentItem(chosen.isEmpty() ? nullptr : chosen.first());
    cmdPlay->setEnabled(m_player.playEnabled());
    cmdStop->setEnabled(m_player.stopEnabled());
    cmdPause->setEnabled(m_player.pauseEnabled());
    cmdPause->setText(m_player.pauseCaption());
    chkRepeat->setChecked(m_player.GetRepeat());
    lblMessage->setText(m_player.message());
}

void PlayerWindow::fillDrives()
{
    dri->clear();
    dri->addItems(driveRoots());
}

// The folder list shows the way down from the root to the open folder, then the folders in
// it, one step further in.
void PlayerWindow::fillFolders()
{
    dir->clear();
    QStringList way;
    for (QString folder = m_shownFolder; !folder.isEmpty(); folder = parentOf(folder))
        way.prepend(folder);
    const auto add = [this](const QString &path, const QString &name, qsizetype depth) {
        auto *item = new QListWidgetItem(QString(depth * 2, u' ') + name, dir);
        item->setData(PathRole, path);
        return item;
    };
    for (qsizetype depth = 0; depth < way.size(); ++depth) {
        const QString &folder = way[depth];
        const QString name = depth == 0 ? folder : QDir(folder).dirName();
        QListWidgetItem *item = add(folder, name, depth);
        if (depth == way.size() - 1)
            dir->setCurrentItem(item);
    }
    const QDir open(m_shownFolder);
    for (const QString &name :
         open.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        add(QDir::cleanPath(open.filePath(name)), name, way.size());
}

void PlayerWindow::fillFiles()
{
    file->clear();
    file->addItems(m_player.files());
}

void PlayerWindow::driveChosen(int index)
{
    // A drive that cannot be opened puts the list back on the drive of the open folder.
    if (!m_player.setFolder(dri->itemText(index)))
        dri->setCurrentIndex(driveIndexOf(driveRoots(), m_player.folder()));
}

void PlayerWindow::folderChosen(QListWidgetItem *item)
{
    m_player.setFolder(item->data(PathRole).toString());
}

void PlayerWindow::fileClicked(QListWidgetItem *item)
{
    m_player.setFileName(item->text());
}

void PlayerWindow::fileChosen(QListWidgetItem *item)
{
    m_player.SetFile(QDir(m_player.folder()).filePath(item->text()));
}
