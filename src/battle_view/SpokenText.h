#pragma once

#include "game/CardRecord.h"
#include "game/CharRecord.h"

#include <QString>

#include <cstdint>

// The battle window's elements as a screen reader says them, in the words the window shows.
namespace SpokenText {

// "赤", "青", "黄", "白"; empty for a colour outside the four.
QString colour(std::int32_t color);
// What the card shows: "赤 7 朝霧一閃".
QString cardFace(const CardRecord &card);
// What the card information panel adds: "赤 7 朝霧一閃 物理x1.5+6 特殊効果なし".
QString card(const CardRecord &card);
// "あなた" for side 0, "相手" for side 1.
QString side(int side);
// "HP 126".
QString hp(std::int16_t hp);
// A face of the selection panel: "朝霧ユウマ 3勝 1負 25点".
QString face(const QString &name, const QString &record);
// A fighter's values as the character panel shows them: "HP 126／180 攻撃力 12 …".
QString fighter(const CharRecord &fighter, std::int16_t maxHp);
// The clash of a turn: who won, what it did, and the two cards played. `winner`, `amount` and
// `kind` as the battle decides them.
QString clash(std::int16_t winner, std::int16_t amount, std::int32_t kind, const CardRecord &mine,
              const CardRecord &theirs);

} // namespace SpokenText
