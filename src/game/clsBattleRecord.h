#pragma once

#include "data/DataFile.h"
#include "data/DataFilePath.h"
#include "data/ResultCode.h"

#include <QString>

#include <cstdint>
#include <vector>

// The player's battle record "BtlRec.CSV": per character of the player (row) its uses, and its
// wins, losses and points against each opponent (column); and the win-point table
// "BtlPoint.CSV". Rows and columns are character positions in gChars, from 1.
//
// Getters and increments throw std::out_of_range for a row or column the record lacks, except
// that an increment grows a short row up to gCharCount columns. Sums are 64-bit; increments
// stop at the largest 32-bit value.
class clsBattleRecord
{
public:
    QString Version() const;

    // Whether the record is written coded: true until a plain file is read.
    bool Codec() const { return m_codec; }
    void setCodec(bool codec) { m_codec = codec; }

    bool SetPath(const QString &path) { return m_path.set(path); }
    QString GetPath() const { return m_path.get(); }

    // Rows of the record, and columns of row `chr` (std::out_of_range for a row it lacks).
    std::int32_t rowCount() const { return static_cast<std::int32_t>(m_rows.size()); }
    std::int32_t columnCount(std::int16_t chr) const;

    std::int32_t UseChr(std::int16_t chr) const;
    std::int64_t UseAll() const;
    std::int32_t Lose(std::int16_t chr, std::int16_t ene) const;
    std::int64_t LoseChr(std::int16_t chr) const;
    std::int64_t LoseAll() const;
    std::int32_t Win(std::int16_t chr, std::int16_t ene) const;
    std::int64_t WinChr(std::int16_t chr) const;
    std::int64_t WinAll() const;
    std::int32_t Point(std::int16_t chr, std::int16_t ene) const;
    std::int64_t PointChr(std::int16_t chr) const;
    std::int64_t PointAll() const;
    // The points one win of `chr` against `ene` earns, from the win-point table.
    std::int32_t WinPoint(std::int16_t chr, std::int16_t ene) const;

    // Each returns the new value.
    std::int32_t IncUse(std::int16_t chr);
    std::int32_t IncLose(std::int16_t chr, std::int16_t ene);
    std::int32_t IncWin(std::int16_t chr, std::int16_t ene);
    // Adds the win points of the pairing (0 when the table has none for it).
    std::int32_t IncPoint(std::int16_t chr, std::int16_t ene);

    // Fills the win points of rows 1..gCharCount; needs the rows made by Read. The stored path
    // is not touched.
    ResultCode Read_WinPoint(const QString &path);

    // How much of the last win-point table came from its file: the lines read for rows
    // 1..gCharCount and the fewest columns among them. Whatever falls short of gCharCount was
    // filled in: a missing row repeats the line before, a missing column reads 0.
    struct TableSize
    {
        std::int32_t rows = 0;
        std::int32_t columns = 0;
    };
    TableSize winPointSize() const { return m_winPointSize; }

    // Replaces the record. A missing file, or a coded one that fails its checksum, gives a
    // fresh record of zeros that is saved at once; a damaged file is first kept beside it as
    // path + ".bad". An intact coded file is taken whatever its version line says. A bad line
    // ends the read with rcOtherError, keeping the rows before it.
    // A file the record could not be read from, and a damaged one that could not be kept, is
    // never written over (see Save).
    ResultCode Read(const QString &path);

    // Why the last Read gave a fresh record instead of the file's: rcFileNotFound for a
    // missing file, rcChecksumError for a damaged one; rcSuccess when it read the file.
    ResultCode freshCause() const { return m_freshCause; }

    // The line that stopped the last Read or Read_WinPoint.
    const DataFile::FailedLine &failedLine() const { return m_failedLine; }

    // rcOtherError, writing nothing, for a record without rows (the reader would refuse the
    // file), and for the file the last Read could not take the record from: the player's
    // record there is kept rather than replaced by what little was read.
    ResultCode Save(const QString &path) const;

private:
    struct BtlRecRow
    {
        std::int32_t Use = 0;
        std::vector<std::int32_t> Win;
        std::vector<std::int32_t> Lose;
        std::vector<std::int32_t> Point;
        std::vector<std::int32_t> WinPoint;
    };
    using Counts = std::vector<std::int32_t> BtlRecRow::*;

    const BtlRecRow &row(std::int16_t chr) const;
    BtlRecRow &row(std::int16_t chr);
    std::int32_t cell(std::int16_t chr, std::int16_t ene, Counts counts) const;
    std::int64_t sum(std::int16_t chr, Counts counts) const;
    std::int64_t sum(Counts counts) const;
    std::int32_t increment(std::int16_t chr, std::int16_t ene, Counts counts);

    ResultCode readFile(const QString &path);
    ResultCode parse(QStringView body);
    void startFresh(const QString &path, bool save);
    void zeroWinPoints();

    // Row r is at r - 1.
    std::vector<BtlRecRow> m_rows;
    bool m_codec = true;
    DataFilePath m_path;
    ResultCode m_freshCause = rcSuccess;
    // The file the last Read could not take the record from, or could not keep when damaged.
    QString m_unreadFile;
    TableSize m_winPointSize;
    DataFile::FailedLine m_failedLine;
};
