// virelith-sim: win rates of every pairing of characters, for balancing a game's content.
#include "GameData.h"
#include "SimReport.h"
#include "Simulator.h"
#include "battle/Random.h"
#include "game/GameTables.h"
#include "platform/GameFolders.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <chrono>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int kBadData = 1;
constexpr int kBadOptions = 2;

struct Options
{
    QString data;
    int battles = 100;
    std::uint64_t seed = 0;
    std::vector<std::pair<std::int16_t, std::int16_t>> pairs;
    PlayerKind player = PlayerKind::Random;
    bool log = false;
};

// A character number of the loaded table.
std::optional<std::int16_t> character(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > gCharCount)
        return std::nullopt;
    return static_cast<std::int16_t>(n);
}

int fail(QTextStream &err, const QString &message)
{
    err << u"virelith-sim: "_s << message << u"\nTry --help.\n"_s;
    return kBadOptions;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Plays battles between the characters of a game data folder, through the game's own "
        "battle rules, and prints each pairing's win rate and length and each character's "
        "overall win rate. The folder's battle record is never touched."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Shows this help."_s);
    const QCommandLineOption data(
        u"data"_s,
        u"The game data folder (default: the game's own, the program's folder when it holds "
        "game data, else the installed data folder)."_s,
        u"DIR"_s);
    const QCommandLineOption battles(u"battles"_s, u"Battles per pairing (default: 100)."_s,
                                     u"N"_s);
    const QCommandLineOption seed(
        u"seed"_s, u"Seed of the random draws; the same seed gives the same output."_s, u"S"_s);
    const QCommandLineOption pair(u"pair"_s,
                                  u"Only this pairing: player A against computer B, by "
                                  "character number; may be given more than once."_s,
                                  u"A,B"_s);
    const QCommandLineOption player(
        u"player"_s,
        u"How the player picks a card: random (default), or best: the card with the best "
        "expected change of hit points this turn, knowing how the computer picks."_s,
        u"random|best"_s);
    const QCommandLineOption log(u"log"_s,
                                 u"Plays one battle (the first pairing) and prints it turn by "
                                 "turn."_s);
    parser.addOptions({help, data, battles, seed, pair, player, log});
    if (!parser.parse(app.arguments()))
        return fail(err, parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(err, u"unexpected argument "_s + parser.positionalArguments().first());

    Options options;
    options.data = parser.isSet(data) ? parser.value(data)
                                      : GameFolders::game(QCoreApplication::applicationDirPath());
    if (parser.isSet(battles)) {
        bool ok = false;
        options.battles = parser.value(battles).toInt(&ok);
        if (!ok || options.battles < 1)
            return fail(err, u"--battles needs a whole number of at least 1"_s);
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        options.seed = parser.value(seed).toULongLong(&ok);
        if (!ok)
            return fail(err, u"--seed needs a whole number of at least 0"_s);
    } else {
        options.seed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    }
    if (parser.isSet(player)) {
        const QString kind = parser.value(player);
        if (kind == u"best"_s)
            options.player = PlayerKind::Best;
        else if (kind != u"random"_s)
            return fail(err, u"--player is random or best"_s);
    }
    options.log = parser.isSet(log);

    GameData game;
    QString message;
    if (!game.Load(options.data, message)) {
        err << message << u'\n';
        return kBadData;
    }

    for (const QString &text : parser.values(pair)) {
        const QStringList parts = text.split(u',');
        const auto you = parts.size() == 2 ? character(parts[0]) : std::nullopt;
        const auto enemy = parts.size() == 2 ? character(parts[1]) : std::nullopt;
        if (!you || !enemy)
            return fail(err, u"--pair "_s + text + u" does not name two characters 1.."_s +
                                 QString::number(gCharCount));
        options.pairs.emplace_back(*you, *enemy);
    }
    if (options.pairs.empty()) {
        for (std::int16_t a = 1; a <= gCharCount; ++a) {
            for (std::int16_t b = 1; b <= gCharCount; ++b) {
                if (a != b)
                    options.pairs.emplace_back(a, b);
            }
        }
    }
    if (options.pairs.empty())
        return fail(err, u"one character makes no pairing; give --pair 1,1 for a mirror match"_s);

    Random &random = Random::Program();
    random.seed(options.seed);
    Simulator simulator(random, options.player);
    const QString playerName = options.player == PlayerKind::Best ? u"best"_s : u"random"_s;

    if (options.log) {
        out << u"seed "_s << options.seed << u", player "_s << playerName << u'\n';
        simulator.Play(options.pairs.front().first, options.pairs.front().second, &out);
        return 0;
    }

    out << u"virelith-sim: "_s << gCharCount << u" characters, "_s << options.battles
        << u" battles per pairing, seed "_s << options.seed << u", player "_s << playerName
        << u"\n\n"_s;
    std::vector<PairingStats> pairings;
    for (const auto &[you, enemy] : options.pairs) {
        PairingStats stats{you, enemy};
        for (int i = 0; i < options.battles; ++i) {
            const BattleOutcome outcome = simulator.Play(you, enemy);
            ++stats.battles;
            if (outcome.winner == -1) {
                ++stats.unfinished;
                continue;
            }
            stats.turns += outcome.turns;
            if (outcome.winner == 0) {
                ++stats.wins;
                game.CountWin(you, enemy);
            }
        }
        pairings.push_back(stats);
    }
    PrintReport(out, pairings, game);
    return 0;
}
