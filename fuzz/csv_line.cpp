// The line splitter: any text splits or is refused cleanly, and every text the table writers
// can put in a column reads back as itself.
#include "data/CSVColumn.h"
#include "data/clsCSVAccess.h"
#include "fuzz/FuzzSupport.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;
using Fuzz::check;

namespace {

void splitAsItStands(const QString &line)
{
    clsCSVAccess csv;
    if (!csv.setCSVLine(line)) {
        check(csv.Count() == 0, "a refused line keeps items");
        return;
    }
    check(csv.Count() >= 1 || line.isEmpty(), "a split line has no items");
    QStringList items;
    for (std::int16_t i = 0; i < csv.Count(); ++i)
        items << csv.Item(i);
    check(csv.Item(csv.Count()).isEmpty(), "an item past the last is not empty");
    // Without quotes the items are the line cut at its commas; a trailing empty item is left
    // out.
    if (!line.contains(u'"')) {
        const QString joined = items.join(u',');
        check(joined == line || joined + u',' == line, "the items do not make the line");
    }
    check(csv.setCSVLine(QStringView()) && csv.Count() == items.size(),
          "the empty line changed the items");
}

void writtenColumnsReadBack(const QString &input)
{
    // Tabs cut the input into column texts; the key in front keeps the line from being empty.
    QString line = u"K"_s;
    QStringList written;
    for (const QString &text : input.split(u'\t')) {
        if (CSVColumn::AppendText(line, text))
            written << text;
    }
    clsCSVAccess csv;
    check(csv.setCSVLine(line), "a written line is refused");
    check(csv.Item(0) == u"K"_s, "the key changed");
    for (qsizetype i = 0; i < written.size(); ++i)
        check(csv.Item(static_cast<std::int16_t>(i + 1)) == written[i], "a column changed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    splitAsItStands(text);
    if (text.size() < 30000)
        writtenColumnsReadBack(text);
    return 0;
}
