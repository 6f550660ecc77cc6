// Makes the content the project ships: `contentgen --app-art SRC` writes the program's own
// pictures into the source folders under SRC, each also at twice the size; `contentgen --icons
// DIR` writes the program's icon at every size of the icon theme into DIR/hicolor (the
// dist/icons folder); `contentgen --game-data DIR` writes the sample game (pictures, each also
// at twice the size, music, data tables and talk) into DIR; `contentgen --sheet DIR OUT.png`
// draws the faces and cards of a game folder on one picture.
#include "AppArt.h"
#include "ContactSheet.h"
#include "Drawing.h"
#include "GameFolder.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <functional>

namespace {

bool save(const QImage &image, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Each also drawn at twice the size beside it ("logo@2x.png"), which Qt takes on a screen of
// that density.
bool writeAppArt(const QString &src)
{
    const QDir dir(src);
    const auto both = [](const std::function<QImage()> &draw, const QString &path) {
        if (!save(draw(), path))
            return false;
        const Drawing::Density dense(2);
        return save(draw(), Pictures::denseName(path));
    };
    return both(AppArt::logo, dir.filePath(QStringLiteral("app/resources/logo.png"))) &&
           both(AppArt::adventurePicture,
                dir.filePath(QStringLiteral("adventure/resources/imgADV.png")));
}

// The windows take their icon from the same files (see src/app/CMakeLists.txt).
bool writeIcons(const QString &folder)
{
    const QDir dir(folder);
    for (const int size : AppArt::IconSizes) {
        const QString name = QStringLiteral("hicolor/%1x%1/apps/virelith.png").arg(size);
        if (!save(AppArt::icon(size), dir.filePath(name)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes the content the project ships."));
    parser.addHelpOption();
    const QCommandLineOption appArt(QStringLiteral("app-art"),
                                    QStringLiteral("Write the program's own pictures under DIR "
                                                   "(the src folder)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption icons(QStringLiteral("icons"),
                                   QStringLiteral("Write the program's icon at every size of the "
                                                  "icon theme under DIR/hicolor."),
                                   QStringLiteral("DIR"));
    const QCommandLineOption gameData(QStringLiteral("game-data"),
                                      QStringLiteral("Write the sample game into DIR."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Draw the faces and cards of the game folder "
                                                  "DIR on one picture, the file given after "
                                                  "the options."),
                                   QStringLiteral("DIR"));
    parser.addOption(appArt);
    parser.addOption(icons);
    parser.addOption(gameData);
    parser.addOption(sheet);
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 QStringLiteral("The picture --sheet draws."));
    parser.process(app);
    if (!parser.isSet(appArt) && !parser.isSet(icons) && !parser.isSet(gameData) &&
        !parser.isSet(sheet)) {
        parser.showHelp(2);
    }
    // Card names and talk are measured in the game's own font.
    Fonts::installSubstitutions();
    if (parser.isSet(appArt) && !writeAppArt(parser.value(appArt)))
        return 1;
    if (parser.isSet(icons) && !writeIcons(parser.value(icons)))
        return 1;
    if (parser.isSet(gameData) && !GameFolder::write(parser.value(gameData)))
        return 1;
    if (parser.isSet(sheet)) {
        if (parser.positionalArguments().size() != 1)
            parser.showHelp(2);
        const QImage picture = ContactSheet::draw(parser.value(sheet));
        if (picture.isNull() || !save(picture, parser.positionalArguments().constFirst()))
            return 1;
    }
    return 0;
}
