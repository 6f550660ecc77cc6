#include "SimOptions.h"

#include "platform/GameFolders.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <chrono>

using namespace Qt::StringLiterals;

int RefuseOptions(QTextStream &err, const QString &message)
{
    err << u"virelith-sim: "_s << message << u"\nTry --help.\n"_s;
    return kBadOptions;
}

std::optional<int> ReadOptions(const QStringList &arguments, SimOptions &options, QTextStream &out,
                               QTextStream &err)
{
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
    if (!parser.parse(arguments))
        return RefuseOptions(err, parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return RefuseOptions(err, u"unexpected argument "_s + parser.positionalArguments().first());

    options.data = parser.isSet(data) ? parser.value(data)
                                      : GameFolders::game(QCoreApplication::applicationDirPath());
    if (parser.isSet(battles)) {
        bool ok = false;
        options.battles = parser.value(battles).toInt(&ok);
        if (!ok || options.battles < 1)
            return RefuseOptions(err, u"--battles needs a whole number of at least 1"_s);
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        options.seed = parser.value(seed).toULongLong(&ok);
        if (!ok)
            return RefuseOptions(err, u"--seed needs a whole number of at least 0"_s);
    } else {
        options.seed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    }
    if (parser.isSet(player)) {
        const QString kind = parser.value(player);
        if (kind == u"best"_s)
            options.player = PlayerKind::Best;
        else if (kind != u"random"_s)
            return RefuseOptions(err, u"--player is random or best"_s);
    }
    options.pairs = parser.values(pair);
    options.log = parser.isSet(log);
    return std::nullopt;
}
