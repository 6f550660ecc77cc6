#pragma once

#include <QObject>

#include <memory>

class frmADV;
class frmTitle;
class frmVs;

// Owns the program's windows and connects them. The windows live until the event loop has
// ended, so no window is destroyed while a nested wait inside another still runs.
class GameWindows : public QObject
{
    Q_OBJECT

public:
    GameWindows();
    ~GameWindows() override;

    frmTitle &title() const { return *m_title; }
    frmADV &adventure() const { return *m_adventure; }
    // The battle window is made when it is first needed: building it, its music player
    // included, would otherwise delay the first sight of the adventure screen.
    frmVs &battle();

private:
    void showVersionBox(QWidget *owner);
    // F1 on `window` shows the rules over it.
    void offerRules(QWidget *window);

    std::unique_ptr<frmTitle> m_title;
    std::unique_ptr<frmADV> m_adventure;
    std::unique_ptr<frmVs> m_battle;
    // The player has been told that the record does not reach its file; once a run is enough.
    bool m_toldUnsaved = false;
};
