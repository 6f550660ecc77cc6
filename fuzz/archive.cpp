// The archive: any file opens or is refused untouched; every block of an archive that opened
// reads, and a rewrite after a change keeps every other block as it was.
#include "data/clsFileAccess.h"
#include "fuzz/FuzzSupport.h"

#include <QDir>

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace Qt::StringLiterals;
using Fuzz::check;

namespace {

struct Block
{
    QString name;
    // Whether the block was read: only the first entry of a name is found by it.
    bool read = false;
    QByteArray bytes;
};

std::vector<Block> blocksOf(const clsFileAccess &archive)
{
    std::vector<Block> blocks;
    for (std::int32_t i = 0; i < archive.FileCount(); ++i) {
        const MargEntry &entry = archive.entry(i);
        static_cast<void>(entry.dateTime());
        Block block{entry.name, false, {}};
        // Only the first entry of a name is found, and a name that is a path might reach a
        // loose file outside the work folder.
        if (archive.SarchFile(entry.name) == i && !entry.name.contains(u'/') &&
            !entry.name.contains(u'\\') && !entry.name.isEmpty() && entry.name != u"."_s &&
            entry.name != u".."_s) {
            block.read = true;
            check(archive.ReadBT(entry.name, block.bytes) == (entry.size > 0),
                  "a block does not read");
            check(block.bytes.size() == entry.size, "a block reads at another size");
        }
        blocks.push_back(block);
    }
    return blocks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::setUp();
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = Fuzz::write(u"data.marg"_s, bytes);
    // An empty work folder: no loose file stands in for a block.
    QDir().mkpath(Fuzz::path(u"work"_s));
    clsFileAccess archive;
    archive.setAccessDir(Fuzz::path(u"work"_s));
    archive.setMargFile(path);
    if (!archive.Marg_Open()) {
        check(Fuzz::read(u"data.marg"_s) == bytes, "a refused archive was changed");
        return 0;
    }
    const std::vector<Block> before = blocksOf(archive);

    // One change, then a rewrite: the first block goes and a new one comes.
    QByteArray added("added block");
    if (archive.FileCount() > 0)
        check(archive.DelItem(0), "an entry cannot be removed");
    check(archive.AddData(u"added.bin"_s, added) >= 0, "a block cannot be added");
    check(archive.Marg_Close(), "the rewrite failed");
    check(archive.Marg_Open(), "the rewritten archive does not open");
    const std::vector<Block> after = blocksOf(archive);
    check(after.size() == std::max<std::size_t>(before.size(), 1), "the rewrite lost entries");
    for (std::size_t i = 1; i < before.size(); ++i) {
        check(after[i - 1].name == before[i].name, "the rewrite renamed a block");
        if (before[i].read && after[i - 1].read)
            check(after[i - 1].bytes == before[i].bytes, "the rewrite changed a block");
    }
    check(after.back().name == u"added.bin"_s, "the added block is missing");
    return 0;
}
