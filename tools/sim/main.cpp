// virelith-sim: win rates of every pairing of characters, for balancing a game's content.
#include "GameData.h"
#include "Pairings.h"
#include "SimOptions.h"
#include "SimReport.h"
#include "SimRun.h"
#include "Simulator.h"
#include "battle/Random.h"
#include "game/GameTables.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

constexpr int kBadData = 1;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    SimOptions options;
    if (const std::optional<int> status = ReadOptions(app.arguments(), options, out, err))
        return *status;

    GameData game;
    QString message;
    if (!game.Load(options.data, message)) {
        err << message << u'\n';
        return kBadData;
    }
    const std::optional<std::vector<Pairing>> pairs = ChoosePairings(options.pairs, message);
    if (!pairs)
        return RefuseOptions(err, message);

    Random &random = Random::Program();
    random.seed(options.seed);
    Simulator simulator(random, options.player);
    const QString playerName = options.player == PlayerKind::Best ? u"best"_s : u"random"_s;

    if (options.log) {
        out << u"seed "_s << options.seed << u", player "_s << playerName << u'\n';
        simulator.Play(pairs->front().first, pairs->front().second, &out);
        return 0;
    }

    out << u"virelith-sim: "_s << gCharCount << u" characters, "_s << options.battles
        << u" battles per pairing, seed "_s << options.seed << u", player "_s << playerName
        << u"\n\n"_s;
    PrintReport(out, Run(simulator, game, *pairs, options.battles), game);
    return 0;
}
