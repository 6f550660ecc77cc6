#pragma once

#include "data/ResultCode.h"

struct LoadStep;

#include <QWidget>

class QLabel;

// The window shown while the game data loads. It loads the five data files once, reports each
// failure, and announces when everything is loaded.
class frmTitle : public QWidget
{
    Q_OBJECT

public:
    explicit frmTitle(QWidget *parent = nullptr);

signals:
    // All five files are loaded (or the player chose to go on after a failure).
    void loaded();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void load();
    ResultCode runStep(const LoadStep &step);
    // Shows m_M, the report of the failed step; true when the player chose to go on.
    bool ErrorReport();

    QLabel *m_lblMessage = nullptr;
    bool m_once = false;
    QString m_M;
    ResultCode m_R = rcSuccess;
};
