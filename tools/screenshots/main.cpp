// Renders the game's windows to PNG files for the documentation:
// `virelith-shots --data DIR --out DIR`. The data folder is read as the game reads its own.
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
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Renders the game's windows to PNG files."_s);
    parser.addHelpOption();
    const QCommandLineOption data(u"data"_s, u"Game data folder."_s, u"DIR"_s);
    const QCommandLineOption out(u"out"_s, u"Folder for the pictures."_s, u"DIR"_s);
    parser.addOption(data);
    parser.addOption(out);
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
    if (!save(title, dir, u"title.png"_s))
        return 1;
    if (!loadGame()) {
        std::fprintf(stderr, "the game data of %s does not load\n", qPrintable(gAppPath));
        return 1;
    }
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
    return renderBattleShots(dir) && renderKeyShots(dir) ? 0 : 1;
}
