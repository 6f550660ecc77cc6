// Reading the sample game's two tables with their pictures, as start-up reads them, on the
// screen the environment gives: with QT_SCALE_FACTOR=2 each picture's twice-sized twin is read
// as well. The label names the screen's ratio.
#include "game/GameTables.h"
#include "game/clsCard.h"
#include "game/clsChar.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QString kGame = QString::fromUtf8(VIRELITH_GAMEDATA) + u'/';

QString ratioLabel()
{
    return u"ratio "_s + QString::number(qGuiApp->devicePixelRatio());
}

void BM_ReadCharactersWithFaces(benchmark::State &state)
{
    clsChar characters;
    for (auto _ : state) {
        if (characters.Read(kGame + u"CharData.CSV"_s) != rcSuccess)
            state.SkipWithError("the character table did not read");
    }
    state.SetLabel(ratioLabel().toStdString());
}
BENCHMARK(BM_ReadCharactersWithFaces)->Unit(benchmark::kMillisecond);

void BM_ReadCardsWithPictures(benchmark::State &state)
{
    clsCard cards;
    for (auto _ : state) {
        if (cards.Read(kGame + u"CardData.CSV"_s) != rcSuccess)
            state.SkipWithError("the card table did not read");
    }
    state.SetLabel(ratioLabel().toStdString());
}
BENCHMARK(BM_ReadCardsWithPictures)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
