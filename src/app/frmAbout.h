#pragma once

#include <QDialog>

class QListWidget;

// The version box: the application title, the program version and the version texts of the
// windows and data formats.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // The version texts listed, in their order.
    static QStringList VersionTexts();

    // "Version " and the major and minor numbers.
    static QString VersionLine(int major, int minor);
};
