#include "SimReport.h"

#include "GameData.h"
#include "game/GameTables.h"

#include <map>

using namespace Qt::StringLiterals;

namespace {

QString percent(long long part, long long whole)
{
    if (whole == 0)
        return u"-"_s;
    return QString::number(100.0 * static_cast<double>(part) / static_cast<double>(whole), 'f', 1) +
           u'%';
}

QString column(const QString &text, int width)
{
    return text.rightJustified(width);
}

QString column(long long value, int width)
{
    return column(QString::number(value), width);
}

const QString &nameOf(std::int16_t character)
{
    return gChars[static_cast<std::size_t>(character)].Name;
}

struct Totals
{
    long long asPlayer = 0;
    long long winsAsPlayer = 0;
    long long asComputer = 0;
    long long winsAsComputer = 0;
};

} // namespace

void PrintReport(QTextStream &out, const std::vector<PairingStats> &pairings, const GameData &data)
{
    out << u"Pairings (player against computer)\n"_s;
    out << u"  you enemy battles  wins   win%  turns unfinished points  names\n"_s;
    std::map<std::int16_t, Totals> totals;
    for (const PairingStats &p : pairings) {
        const int finished = p.battles - p.unfinished;
        const QString turns =
            finished == 0 ? u"-"_s
                          : QString::number(static_cast<double>(p.turns) / finished, 'f', 1);
        out << column(p.you, 5) << column(p.enemy, 6) << column(p.battles, 8) << column(p.wins, 6)
            << column(percent(p.wins, p.battles), 7) << column(turns, 7) << column(p.unfinished, 11)
            << column(data.Points(p.you, p.enemy), 7) << u"  "_s << nameOf(p.you) << u" / "_s
            << nameOf(p.enemy) << u'\n';
        Totals &you = totals[p.you];
        you.asPlayer += p.battles;
        you.winsAsPlayer += p.wins;
        Totals &enemy = totals[p.enemy];
        enemy.asComputer += p.battles;
        enemy.winsAsComputer += finished - p.wins;
    }

    out << u"\nCharacters (every battle, as player and as computer)\n"_s;
    out << u"   no battles   wins   win%  as player as computer  name\n"_s;
    for (const auto &[character, t] : totals) {
        const long long battles = t.asPlayer + t.asComputer;
        const long long wins = t.winsAsPlayer + t.winsAsComputer;
        out << column(character, 5) << column(battles, 8) << column(wins, 7)
            << column(percent(wins, battles), 7) << column(percent(t.winsAsPlayer, t.asPlayer), 11)
            << column(percent(t.winsAsComputer, t.asComputer), 12) << u"  "_s << nameOf(character)
            << u'\n';
    }
}
