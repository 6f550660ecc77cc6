#pragma once

#include "sound/MusicPlayer.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The window of a music player: a file browser (drive, folder and file lists), the Play, Stop
// and Pause buttons, the repeat box and the message label, all showing one MusicPlayer.
class PlayerWindow : public QWidget
{
    Q_OBJECT

public:
    PlayerWindow(MusicPlayer &player, const QString &caption, QWidget *parent = nullptr);

    MusicPlayer &player() const { return m_player; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();
    void fillDrives();
    void fillFolders();
    void fillFiles();
    void driveChosen(int index);
    void folderChosen(QListWidgetItem *item);
    void fileClicked(QListWidgetItem *item);
    void fileChosen(QListWidgetItem *item);

    MusicPlayer &m_player;
    QComboBox *dri;
    QListWidget *dir;
    QListWidget *file;
    QPushButton *cmdPlay;
    QPushButton *cmdStop;
    QPushButton *cmdPause;
    QCheckBox *chkRepeat;
    QLabel *lblMessage;
    QString m_shownFolder;
};
