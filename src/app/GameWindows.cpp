#include "app/GameWindows.h"

#include "adventure/frmADV.h"
#include "app/frmAbout.h"
#include "app/frmRules.h"
#include "app/frmTitle.h"
#include "battle/BattleEngine.h"
#include "battle_view/frmVs.h"
#include "data/basGlobal.h"
#include "platform/MsgBox.h"
#include "platform/WindowPlace.h"
#include "sound/SoundSystem.h"

#include <QDir>
#include <QShortcut>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWarmUpDelayMs = 250;

// The record's file and why it could not be written.
QString unsavedReason(const BattleEngine::RecordSave &save)
{
    return QDir::toNativeSeparators(save.path) + u"\r\n"_s + basGlobal::ResultMessage(save.result);
}

QString unsavedWarning(const BattleEngine::RecordSave &save)
{
    return u"戦績データを保存できません\r\n"_s + unsavedReason(save) +
           u"\r\n\r\n対戦は続けられますが、保存できるようになるまで戦績はファイルに残りません。"_s;
}

} // namespace

GameWindows::GameWindows()
    : m_title(std::make_unique<frmTitle>()), m_adventure(std::make_unique<frmADV>())
{
    connect(m_title.get(), &frmTitle::loaded, m_adventure.get(), &QWidget::show);
    // The music's first start would otherwise wait for the SoundFont. The load begins once the
    // adventure screen has had time to appear, so that it takes nothing from that screen.
    connect(m_title.get(), &frmTitle::loaded, this,
            [] { QTimer::singleShot(kWarmUpDelayMs, [] { SoundSystem::instance().warmUp(); }); });
    connect(m_adventure.get(), &frmADV::versionRequested, this,
            [this] { showVersionBox(m_adventure.get()); });
    offerRules(m_adventure.get());
    // The battle window is shown before the adventure screen hides itself.
    connect(m_adventure.get(), &frmADV::battleRequested, this,
            [this](std::int16_t you, std::int16_t enemy) {
                battle().SetChar(you, enemy);
                // Wholly on the screen the player is looking at, wherever a window manager
                // would put a new window.
                WindowPlace::CentreOnScreenOf(battle(), *m_adventure);
                battle().show();
            });
}

GameWindows::~GameWindows() = default;

frmVs &GameWindows::battle()
{
    if (m_battle)
        return *m_battle;
    m_battle = std::make_unique<frmVs>();
    connect(m_battle.get(), &frmVs::returnToAdventure, this, [this] {
        m_adventure->Print_TotalBtlRec();
        const BattleEngine::RecordSave &save = m_battle->engine().LastRecordSave();
        const bool saved = save.result == rcSuccess;
        m_adventure->ShowRecordUnsaved(saved ? QString() : unsavedReason(save));
        // Back where the player left it.
        WindowPlace::KeepPlace(*m_adventure);
        m_adventure->show();
        if (!saved && !m_toldUnsaved) {
            m_toldUnsaved = true;
            // Once the battle's own calls have returned: the box waits in an event loop of its
            // own.
            QTimer::singleShot(0, this,
                               [text = unsavedWarning(save)] { MsgBox(text, MB_ICONWARNING); });
        }
    });
    connect(m_battle.get(), &frmVs::versionRequested, this,
            [this] { showVersionBox(m_battle.get()); });
    offerRules(m_battle.get());
    return *m_battle;
}

void GameWindows::showVersionBox(QWidget *owner)
{
    frmAbout box(owner);
    box.exec();
}

void GameWindows::offerRules(QWidget *window)
{
    connect(new QShortcut(QKeySequence(Qt::Key_F1), window), &QShortcut::activated, this, [window] {
        frmRules rules(window);
        rules.exec();
    });
}
