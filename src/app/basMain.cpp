#include "app/basMain.h"

#include "app/GameWindows.h"
#include "app/frmTitle.h"
#include "battle/Random.h"
#include "game/SharedObjects.h"
#include "platform/Fonts.h"
#include "platform/Look.h"
#include "platform/PrevInstance.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace basMain {

void SetUpApplication()
{
    QApplication::setApplicationDisplayName(u"Virelith(仮題)体験版"_s);
    QIcon icon;
    icon.addFile(u":/app/icon16.png"_s);
    icon.addFile(u":/app/icon32.png"_s);
    QApplication::setWindowIcon(icon);
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
    const QString folder = ProgramFolder(QCoreApplication::applicationDirPath());
    if (PrevInstance(folder))
        return nullptr;
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

} // namespace basMain
