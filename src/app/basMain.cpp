#include "app/basMain.h"

#include "app/GameWindows.h"
#include "app/frmTitle.h"
#include "battle/Random.h"
#include "game/SharedObjects.h"
#include "platform/DeferredIcon.h"
#include "platform/ExitProcedures.h"
#include "platform/Fonts.h"
#include "platform/GameFolders.h"
#include "platform/Look.h"
#include "platform/PrevInstance.h"
#include "platform/QuitSignals.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace basMain {

void SetUpApplication()
{
    // Desktops match the windows to the installed desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(u"virelith"_s);
    // Every size the icon theme has ("16x16/apps/virelith.png"), read when the window system
    // first asks for the icon.
    QList<DeferredIcon::File> files;
    const QDir icons(u":/app/icons"_s);
    for (const QString &size : icons.entryList(QDir::Dirs)) {
        const int pixels = size.section(u'x', 0, 0).toInt();
        files.append({icons.filePath(size + u"/apps/virelith.png"_s), QSize(pixels, pixels)});
    }
    QApplication::setWindowIcon(DeferredIcon::fromFiles(files));
    // Standard buttons ("OK", "キャンセル", "はい", "いいえ") in Japanese.
    static QTranslator translator;
    if (translator.load(u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
    Fonts::installSubstitutions();
    // Menus, message boxes and buttons share the windows' Japanese face, which also spares a
    // second font's fallback search at start-up.
    QApplication::setFont(Fonts::PGothic(9));
    Look::install();
}

bool IsDebugSwitch(const QStringList &arguments)
{
    return arguments.mid(1).join(u' ') == u"/DEBUG"_s;
}

QString ProgramFolder(const QString &folder)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    return folder + QDir::separator();
}

std::unique_ptr<GameWindows> Main(const QStringList &arguments)
{
    // The user's own folders are named after the game, whatever the executable is called.
    QCoreApplication::setApplicationName(u"virelith"_s);
    const QString game = GameFolders::game(QCoreApplication::applicationDirPath());
    // Two copies holding one record would each write over what the other counted.
    if (PrevInstance(GameFolders::record(game)))
        return nullptr;
    const QString folder = ProgramFolder(QDir::toNativeSeparators(game));
    // The program's generator is seeded from the clock when it is first touched.
    static_cast<void>(Random::Program());
    gDebug = IsDebugSwitch(arguments);
    gAppPath = folder;
    // Touching each shared object creates it: the order is the record, the cards, the
    // characters, the string list.
    static_cast<void>(gBtlRec().Version());
    static_cast<void>(gCardData().Version());
    static_cast<void>(gCharData().Version());
    static_cast<void>(gStrList().Version());

    SetUpApplication();
    auto windows = std::make_unique<GameWindows>();
    windows->title().show();
    return windows;
}

void EndOnQuitSignals()
{
    QObject::connect(&QuitSignals::install(), &QuitSignals::received, qApp, [] {
        UnloadAllForms();
        // A message box or a battle's wait may still run its own loop: every loop ends.
        QCoreApplication::exit(0);
    });
}

} // namespace basMain
