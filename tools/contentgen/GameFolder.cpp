#include "GameFolder.h"

#include "CardArt.h"
#include "Cards.h"
#include "Cast.h"
#include "Drawing.h"
#include "Faces.h"
#include "Music.h"
#include "Tables.h"
#include "TalkFiles.h"
#include "game/CardRecord.h"
#include "platform/Pictures.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

bool fail(const QString &what)
{
    std::fprintf(stderr, "contentgen: %s\n", qPrintable(what));
    return false;
}

// `name` as the data files write it ("card\asagiri.png") turned into a path under `folder`.
QString pathOf(const QDir &folder, const QString &name)
{
    return folder.filePath(QString(name).replace(u'\\', u'/'));
}

bool saveImage(const QString &path, const QImage &image)
{
    // A bitmap is written opaque, 24 bits per pixel.
    const QImage stored = path.endsWith(u".bmp"_s, Qt::CaseInsensitive)
                              ? image.convertToFormat(QImage::Format_RGB32)
                              : image;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !stored.save(path))
        return fail(u"cannot write "_s + path);
    return true;
}

// Writes what `draw` paints as `name`, and drawn again at twice the size beside it for screens
// of a higher density.
bool savePicture(const QDir &folder, const QString &name, const std::function<QImage()> &draw)
{
    const QString path = pathOf(folder, name);
    if (!saveImage(path, draw()))
        return false;
    const Drawing::Density dense(2);
    return saveImage(Pictures::denseName(path), draw());
}

bool saveBytes(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = pathOf(folder, name);
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size() || !file.flush())
        return fail(u"cannot write "_s + path);
    return true;
}

bool writePictures(const QDir &folder)
{
    for (const Cast::Member &member : Cast::all()) {
        if (!savePicture(folder, Tables::faceName(member),
                         [&] { return Faces::portrait(member.look); }))
            return false;
    }
    for (int color = 0; color < static_cast<int>(kColorCount); ++color) {
        if (!savePicture(folder, Tables::backgroundName(color),
                         [&] { return CardArt::background(color); }))
            return false;
    }
    for (int type = 0; type < 2; ++type) {
        for (int i = 0; i < CardArt::NomalCount; ++i) {
            if (!savePicture(folder, Tables::nomalName(type, i),
                             [&] { return CardArt::nomalPicture(type, i); }))
                return false;
        }
    }
    for (const Cards::Design &card : Cards::all()) {
        if (!savePicture(folder, Tables::pictureName(card), [&] {
                return CardArt::picture(card.art.motif, card.art.tint, card.rule.atType,
                                        card.rule.color);
            }))
            return false;
    }
    return true;
}

bool writeMusic(const QDir &folder)
{
    std::vector<const Score::Piece *> pieces{&Music::preBattle(), &Music::victory(),
                                             &Music::defeat()};
    for (const Score::Piece &theme : Music::battleThemes())
        pieces.push_back(&theme);
    for (const Score::Piece *piece : pieces) {
        try {
            if (!saveBytes(folder, Tables::musicName(*piece), Score::compose(*piece)))
                return false;
        } catch (const std::invalid_argument &bad) {
            return fail(QString::fromStdString(bad.what()));
        }
    }
    return true;
}

} // namespace

namespace GameFolder {

bool write(const QString &path)
{
    const QDir folder(path);
    if (!QDir().mkpath(path))
        return fail(u"cannot make "_s + path);
    QString problem;
    if (!writePictures(folder) || !writeMusic(folder))
        return false;
    if (!Tables::write(folder, problem) || !TalkFiles::write(folder, problem))
        return fail(problem);
    return true;
}

} // namespace GameFolder
