// Renders the game's windows to PNG files for the documentation:
// `virelith-shots --data DIR --out DIR`. The data folder is read as the game reads its own.
// The battle board is also rendered on a screen of twice the density, by the program started
// again with --dense: a process keeps the scale it started with.
#include "BattleShots.h"
#include "adventure/frmADV.h"
#include "app/basMain.h"
#include "app/frmAbout.h"
#include "app/frmRules.h"
#include "app/frmTitle.h"
#include "game/GameFolderCopy.h"
#include "game/SharedObjects.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

bool save(QWidget &window, const QDir &out, const QString &name)
{
    QTest::qWait(50);
    return grab(window, out, name);
}

// Loads the game data as the title window does; false (with the reason printed) on a failure.
bool loadGame()
{
    frmTitle title;
    QSignalSpy loaded(&title, &frmTitle::loaded);
    title.show();
    return QTest::qWaitFor([&] { return !title.isVisible(); }, 30000) && loaded.count() == 1;
}

constexpr char kDenseSwitch[] = "--dense";

// The board at twice the density, from a second run of this program.
bool renderDenseBoard(const QString &data, const QString &out)
{
    const int status =
        QProcess::execute(QCoreApplication::applicationFilePath(),
                          {u"--data"_s, data, u"--out"_s, out, QString::fromLatin1(kDenseSwitch)});
    if (status != 0)
        std::fprintf(stderr, "the board at twice the density was not rendered\n");
    return status == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scale is read once, when the application starts.
    const bool denseRun = std::any_of(
        argv + 1, argv + argc, [](const char *arg) { return std::strcmp(arg, kDenseSwitch) == 0; });
    if (denseRun)
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Renders the game's windows to PNG files."_s);
    parser.addHelpOption();
    const QCommandLineOption data(u"data"_s, u"Game data folder."_s, u"DIR"_s);
    const QCommandLineOption out(u"out"_s, u"Folder for the pictures."_s, u"DIR"_s);
    const QCommandLineOption dense(u"dense"_s,
                                   u"Only the battle board, on a screen of twice the density "
                                   u"(battle-board-2x.png)."_s);
    parser.addOption(data);
    parser.addOption(out);
    parser.addOption(dense);
    parser.process(app);
    if (!parser.isSet(data) || !parser.isSet(out))
        parser.showHelp(2);

    basMain::SetUpApplication();
    // The game writes its battle record beside the data: work on a copy.
    const GameFolderCopy work(parser.value(data));
    if (!work.ok()) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(parser.value(data)));
        return 1;
    }
    gAppPath = work.path() + u'/';
    const QDir dir(parser.value(out));
    QDir().mkpath(dir.path());

    frmTitle title;
    title.findChild<QLabel *>(u"lblMessage"_s)->setText(u"キャラクターデータ\r\n読み込み"_s);
    if (!denseRun && !save(title, dir, u"title.png"_s))
        return 1;
    if (!loadGame()) {
        std::fprintf(stderr, "the game data of %s does not load\n", qPrintable(gAppPath));
        return 1;
    }
    if (denseRun)
        return renderBattleShots(dir, {{}, {}, u"battle-board-2x.png"_s, {}}) ? 0 : 1;
    frmADV adventure;
    adventure.show();
    if (!save(adventure, dir, u"adventure.png"_s))
        return 1;
    frmAbout about(&adventure);
    about.show();
    if (!save(about, dir, u"about.png"_s))
        return 1;
    about.hide();
    frmRules rules(&adventure);
    rules.show();
    if (!save(rules, dir, u"rules.png"_s))
        return 1;
    rules.hide();
    adventure.hide();
    const bool ok = renderBattleShots(dir, {u"battle-select.png"_s, u"battle-talk.png"_s,
                                            u"battle-board.png"_s, u"battle-win.png"_s}) &&
                    renderKeyShots(dir);
    return ok && renderDenseBoard(parser.value(data), parser.value(out)) ? 0 : 1;
}
