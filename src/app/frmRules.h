#pragma once

#include <QDialog>

// A short account of the rules in the game's words: the clash of colours and numbers, attack
// and magic, healing, the record and its points, and the keys. Opened with F1; Escape closes it.
class frmRules : public QDialog
{
    Q_OBJECT

public:
    explicit frmRules(QWidget *parent = nullptr);
};
