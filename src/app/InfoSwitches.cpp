#include "app/InfoSwitches.h"

#include "platform/GameFolders.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace InfoSwitches {

QString versionText()
{
    return u"virelith "_s + QStringLiteral(VIRELITH_VERSION) + u'\n';
}

QString helpText(const QString &gameFolder, const QString &recordFile)
{
    return u"Usage: virelith [/DEBUG]\n"
           u"Virelith(仮題)体験版: a single-player card-battle game with a Japanese interface.\n"
           u"\n"
           u"  /DEBUG     debug mode: a start-up load that fails may be passed over, and the\n"
           u"             adventure screen shows a line of debug messages\n"
           u"  --help     shows this text\n"
           u"  --version  shows the version\n"
           u"\n"
           u"Game data:     "_s +
           QDir::toNativeSeparators(gameFolder) + u"\nBattle record: "_s +
           QDir::toNativeSeparators(recordFile) + u'\n';
}

std::optional<int> answer(int argc, char **argv)
{
    if (argc != 2)
        return std::nullopt;
    const QString word = QString::fromLocal8Bit(argv[1]);
    if (word != u"--version"_s && word != u"--help"_s)
        return std::nullopt;
    QString text;
    if (word == u"--version"_s) {
        text = versionText();
    } else {
        // The folders follow from the program's own place and the user's, as the game finds them.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(u"virelith"_s);
        const QString game = GameFolders::game(QCoreApplication::applicationDirPath());
        text = helpText(game, QDir(GameFolders::record(game)).filePath(u"BtlRec.CSV"_s));
    }
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace InfoSwitches
