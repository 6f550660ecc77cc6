// The string list: any file reads in each mode or stops with a code, and what it holds stays
// consistent.
#include "data/clsStringList.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;
using Fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::setUp();
    const Fuzz::DataInput input = Fuzz::dataInput(data, size, "StrLstVer.1.00\r\n");
    clsStringList list;
    list.Add(u"MusWin"_s, u"win.mid"_s);
    list.Add(u"A"_s, u"before"_s);
    // Modes 0..2, and one that only checks the file.
    const std::int32_t mode = input.own % 4;
    const ResultCode code = list.Read(Fuzz::write(u"Vs.CSV"_s, input.file), mode);
    if (code != rcSuccess && code != rcDataError) {
        check(list.count() == 2 && list.Item(u"A") == u"before"_s,
              "a refused file changed the list");
        return 0;
    }
    if (code == rcSuccess && mode == 3)
        check(list.count() == 2, "a check changed the list");
    for (std::int32_t i = 0; i < list.count(); ++i) {
        const clsStringList::Entry &entry = list.entry(i);
        const std::int32_t first = list.Index(entry.key);
        check(first >= 0 && first <= i, "an entry is not found by its key");
        check(list.Item(entry.key) == list.entry(first).text, "a key finds another text");
        if (mode == clsStringList::ReplaceList)
            check(!entry.text.contains(QStringLiteral("\\n")), "a text keeps a \\n");
    }
    return 0;
}
