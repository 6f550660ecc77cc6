#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"
#include "Validation.h"
#include "platform/FileSystem.h"
#include "platform/GameFolders.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace {

QString help()
{
    return u"Usage: virelith-data validate [DIR]\n"
           u"\n"
           u"Loads the game data in the folder DIR as the game does at start-up, in the same\n"
           u"order and with the same files: CharData.CSV, CardData.CSV (pictures required),\n"
           u"BtlRec.CSV (read from a copy: nothing in DIR is ever written), BtlPoint.CSV and\n"
           u"Vs.CSV. Like the game in debug mode it goes on after a step that fails. Then it\n"
           u"checks what the game would otherwise find out in the middle of a battle.\n"
           u"Without DIR, the game folder: this program's folder when it holds game data,\n"
           u"else the installed data folder.\n"
           u"\n"
           u"Errors (the game refuses the data, or a battle does not do what the data says):\n"
           u"  a start-up step that fails, with the result code, the picture and the line;\n"
           u"  DeckCount outside 0..20; deck entries that name no card; card colours outside\n"
           u"  0..3, attack types outside 0..1, effect kinds outside 0..5; an empty Abs or\n"
           u"  Mag picture list; a talk file that does not read; \"Vs\" talk lines whose side\n"
           u"  is not 0 or 1, or whose key no talk file holds.\n"
           u"Warnings (the game runs on):\n"
           u"  a damaged BtlRec.CSV (the game starts a fresh record); a character ID other\n"
           u"  than its row; more than 21 characters (the selection panel shows 21); a\n"
           u"  win-point table with fewer lines or columns than characters; a missing talk\n"
           u"  file mes/VsMesNN.CSV; a talk key found only in a third character's talk file;\n"
           u"  a missing music file named in Vs.CSV or CharData.CSV; a picture drawn at\n"
           u"  twice the size for dense screens (face\\a@2x.bmp beside face\\a.bmp) that does\n"
           u"  not read or is not exactly twice the size of the picture the table names.\n"
           u"Talk and music are checked for the characters the panel offers.\n"
           u"\n"
           u"Prints one line a problem, then \"N errors, M warnings\".\n"
           u"\n"
           u"Exit status: 0 no errors, 1 errors or DIR is no folder, 2 usage error."_s;
}

} // namespace

int Commands::validate(const QStringList &words)
{
    CommandLine line(u"validate"_s, help());
    if (const std::optional<int> status = line.parse(words, 0, 1))
        return *status;
    const QString folder = line.arguments().isEmpty()
                               ? GameFolders::game(QCoreApplication::applicationDirPath())
                               : line.arguments().constFirst();
    if (!FileSystem::isFolder(folder))
        return Console::fail(folder + u": no such folder"_s);

    const Findings findings =
        validateFolder(QDir::toNativeSeparators(QDir(folder).absolutePath()) + QDir::separator());
    for (const Findings::Finding &finding : findings.all())
        Console::out((finding.error ? u"error: "_s : u"warning: "_s) + finding.text);
    Console::out(QString::number(findings.errors()) + u" errors, "_s +
                 QString::number(findings.warnings()) + u" warnings"_s);
    return findings.errors() > 0 ? Console::BadData : Console::Success;
}
