#include "app/GameWindows.h"

#include "adventure/frmADV.h"
#include "app/frmAbout.h"
#include "app/frmTitle.h"
#include "battle_view/frmVs.h"

GameWindows::GameWindows()
    : m_title(std::make_unique<frmTitle>()), m_adventure(std::make_unique<frmADV>()),
      m_battle(std::make_unique<frmVs>())
{
    connect(m_title.get(), &frmTitle::loaded, m_adventure.get(), &QWidget::show);
    connect(m_adventure.get(), &frmADV::versionRequested, this,
            [this] { showVersionBox(m_adventure.get()); });
    // The battle window is shown before the adventure screen hides itself.
    connect(m_adventure.get(), &frmADV::battleRequested, this,
            [this](std::int16_t you, std::int16_t enemy) {
                m_battle->SetChar(you, enemy);
                m_battle->show();
            });
    connect(m_battle.get(), &frmVs::returnToAdventure, this, [this] {
        m_adventure->Print_TotalBtlRec();
        m_adventure->show();
    });
    connect(m_battle.get(), &frmVs::versionRequested, this,
            [this] { showVersionBox(m_battle.get()); });
}

GameWindows::~GameWindows() = default;

void GameWindows::showVersionBox(QWidget *owner)
{
    frmAbout box(owner);
    box.exec();
}
