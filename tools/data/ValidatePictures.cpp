#include "Report.h"
#include "ValidationChecks.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/FileSystem.h"
#include "platform/Pictures.h"

#include <QImageReader>
#include <QSet>

using namespace Qt::StringLiterals;

namespace ValidationChecks {

namespace {

QString sizeText(QSize size)
{
    return QString::number(size.width()) + u'x' + QString::number(size.height());
}

// Checks each twice-sized file once, however many rows name its picture.
class DenseCheck
{
public:
    DenseCheck(const QString &folder, Findings &findings) : m_folder(folder), m_findings(findings)
    {}

    // `where` names the picture `name`, which loaded as `picture`.
    void operator()(const QString &where, const QString &name, const Picture &picture)
    {
        const QString named = FileSystem::dataFilePath(m_folder, name);
        if (picture.isNull() || named.isEmpty())
            return;
        const QString path = Pictures::denseName(named);
        if (m_checked.contains(path) || !FileSystem::isFile(path))
            return;
        m_checked.insert(path);
        const QString dense = Pictures::denseName(name);
        // The game shows the picture the data names instead, at its own size.
        const QString instead =
            u"; dense screens show "_s + Report::shown(name) + u" scaled up instead"_s;
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        if (image.isNull()) {
            m_findings.warning(where + Report::shown(dense) + u" cannot be read"_s + instead);
            return;
        }
        // A picture read on a dense screen may already be the twice-sized one.
        const QSize twice = picture.deviceIndependentSize().toSize() * 2;
        if (image.size() != twice)
            m_findings.warning(where + Report::shown(dense) + u" is "_s + sizeText(image.size()) +
                               u", not twice "_s + Report::shown(name) + u" ("_s + sizeText(twice) +
                               u')' + instead);
    }

private:
    QString m_folder;
    Findings &m_findings;
    QSet<QString> m_checked;
};

} // namespace

void densePictures(const QString &folder, bool characters, bool cards, Findings &findings)
{
    DenseCheck check(folder, findings);
    if (characters) {
        for (std::size_t row = 1; row < gChars.size(); ++row)
            check(aboutCharacter(row), gChars[row].ImageFile, gChars[row].Picture);
    }
    if (!cards)
        return;
    for (std::size_t color = 0; color < gCardBG.size(); ++color)
        check(u"CardData.CSV: background "_s +
                  gCardData().ColorName(static_cast<std::int32_t>(color)) + u": "_s,
              gCardBGFile[color], gCardBG[color]);
    for (std::size_t i = 0; i < gAbsNomalFile.size(); ++i)
        check(u"CardData.CSV: Abs picture "_s + QString::number(i + 1) + u": "_s, gAbsNomalFile[i],
              gAbsNomalPic[i]);
    for (std::size_t i = 0; i < gMagNomalFile.size(); ++i)
        check(u"CardData.CSV: Mag picture "_s + QString::number(i + 1) + u": "_s, gMagNomalFile[i],
              gMagNomalPic[i]);
    for (std::size_t row = 1; row < gCards.size(); ++row)
        check(aboutCard(row), gCards[row].ImageFile, gCards[row].Picture);
}

} // namespace ValidationChecks
