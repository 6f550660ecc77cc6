#include "app/GameWindows.h"

#include "adventure/frmADV.h"
#include "app/frmAbout.h"
#include "app/frmTitle.h"

GameWindows::GameWindows()
    : m_title(std::make_unique<frmTitle>()), m_adventure(std::make_unique<frmADV>())
{
    connect(m_title.get(), &frmTitle::loaded, m_adventure.get(), &QWidget::show);
    connect(m_adventure.get(), &frmADV::versionRequested, this,
            [this] { showVersionBox(m_adventure.get()); });
}

GameWindows::~GameWindows() = default;

void GameWindows::showVersionBox(QWidget *owner)
{
    frmAbout box(owner);
    box.exec();
}
