#pragma once

#include "game/CardRecord.h"

#include <QAccessible>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class BattleEngine;
class QAction;
class QWidget;
class VsInput;
class VsScreen;
struct VsBoard;

// The battle window as a screen reader reads it: every face, hand card, played card, hit-point
// label, character panel, the talk balloon, the floating message and the card information panel
// have a name and a description in the words the window shows, and what matters when it
// changes (a card pointed at, the clash of a turn, the hit points, a talk line, the end of the
// battle) is told as it happens. Nothing of this changes what is drawn.
class VsAccessible : public QObject
{
    Q_OBJECT

public:
    VsAccessible(VsBoard &board, VsScreen &screen, BattleEngine &engine, VsInput &input,
                 const QAction &talkOption);
    ~VsAccessible() override;

private:
    void describeSelection();
    void describeBoard();
    void describePanels();
    void describe(QWidget *widget, QAccessible::Role role, std::function<QString()> name,
                  std::function<QString()> description, std::function<bool()> checked = {});

    // What a pointing or click changed: the panels that show what is pointed at, the raised
    // card.
    void afterCall();
    void clash(std::int16_t winner, std::int16_t amount, std::int32_t kind);
    void talk(std::int16_t side, const QString &key);
    void messageShown(const QString &text);

    QString cardName(int slot) const;
    QString cardDescription(int slot) const;
    QString playedName(int side) const;
    QString infoName() const;
    QString infoDescription() const;

    VsBoard &m_board;
    VsScreen &m_screen;
    BattleEngine &m_engine;
    const QAction &m_talkOption;
    std::vector<QWidget *> m_described;

    // The cards played this turn and the turn before: the played-card boxes show the earlier
    // ones until the clash is over.
    std::array<CardRecord, 2> m_clash;
    std::array<CardRecord, 2> m_earlier;
    // The card the information panel shows, and its slot.
    CardRecord m_info;
    int m_infoSlot = -1;
    // What the floating message says: the clash it belongs to, or the battle's end.
    QString m_message;
    int m_speaker = -1;

    // What was last told of the elements that pointing and clicking change.
    struct Told
    {
        QWidget *widget;
        QString name;
        bool checked;
    };
    std::vector<Told> m_told;
};
