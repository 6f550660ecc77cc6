#include "sound/SoundFont.h"

#include "platform/GameFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace SoundFont {

namespace {

const char *const SystemSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

QString fileOrNothing(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.absoluteFilePath() : QString();
}

} // namespace

QString find()
{
    if (!qEnvironmentVariableIsEmpty("VIRELITH_SOUNDFONT"))
        return fileOrNothing(qEnvironmentVariable("VIRELITH_SOUNDFONT"));
    if (QCoreApplication::instance() != nullptr) {
        const QDir gameFolder(GameFolders::game(QCoreApplication::applicationDirPath()));
        const QFileInfoList found = gameFolder.entryInfoList(
            {QStringLiteral("*.sf2")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        if (!found.isEmpty())
            return found.first().absoluteFilePath();
    }
    return fileOrNothing(QString::fromLatin1(SystemSoundFont));
}

} // namespace SoundFont
