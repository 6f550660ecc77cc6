#include "Pairings.h"

#include "game/GameTables.h"

using namespace Qt::StringLiterals;

namespace {

// A character number of the loaded table.
std::optional<std::int16_t> character(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > gCharCount)
        return std::nullopt;
    return static_cast<std::int16_t>(n);
}

} // namespace

std::optional<std::vector<Pairing>> ChoosePairings(const QStringList &texts, QString &error)
{
    std::vector<Pairing> pairs;
    for (const QString &text : texts) {
        const QStringList parts = text.split(u',');
        const auto you = parts.size() == 2 ? character(parts[0]) : std::nullopt;
        const auto enemy = parts.size() == 2 ? character(parts[1]) : std::nullopt;
        if (!you || !enemy) {
            error = u"--pair "_s + text + u" does not name two characters 1.."_s +
                    QString::number(gCharCount);
            return std::nullopt;
        }
        pairs.emplace_back(*you, *enemy);
    }
    if (pairs.empty()) {
        for (std::int16_t a = 1; a <= gCharCount; ++a) {
            for (std::int16_t b = 1; b <= gCharCount; ++b) {
                if (a != b)
                    pairs.emplace_back(a, b);
            }
        }
    }
    if (pairs.empty()) {
        error = u"one character makes no pairing; give --pair 1,1 for a mirror match"_s;
        return std::nullopt;
    }
    return pairs;
}
