#include "game/clsBattleRecord.h"

#include "data/ColumnNumber.h"
#include "data/DataFile.h"
#include "data/basCodec.h"
#include "data/clsCSVAccess.h"
#include "game/GameTables.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

constexpr QByteArrayView kVersionLine = "BtlRecVer.1.00\r\n";
constexpr std::size_t kMaxRows = std::numeric_limits<std::int16_t>::max();

std::size_t characterCount()
{
    return static_cast<std::size_t>(std::max(gCharCount, 0));
}

std::int32_t saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A cell "wins-losses-points"; each part reads with "0" in front, so an empty part is 0.
bool parseCell(QStringView cell, std::array<std::int32_t, 3> &parts)
{
    // Cells are a few characters long: a plain scan beats a library search.
    qsizetype first = -1;
    qsizetype second = -1;
    for (qsizetype i = 0; i < cell.size() && second < 0; ++i) {
        if (cell[i] == u'-')
            (first < 0 ? first : second) = i;
    }
    if (second < 0)
        return false;
    const std::array<QStringView, 3> texts = {
        cell.first(first), cell.sliced(first + 1, second - first - 1), cell.sliced(second + 1)};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::optional<std::int32_t> value = ColumnNumber::Unsigned32(texts[i]);
        if (!value)
            return false;
        parts[i] = *value;
    }
    return true;
}

void appendNumber(std::string &text, std::int32_t value)
{
    std::array<char, 12> digits{};
    const std::to_chars_result end = std::to_chars(digits.begin(), digits.end(), value);
    text.append(digits.data(), end.ptr);
}

} // namespace

QString clsBattleRecord::Version() const
{
    return QString::fromLatin1(kVersionLine.chopped(2));
}

const clsBattleRecord::BtlRecRow &clsBattleRecord::row(std::int16_t chr) const
{
    if (chr < 1 || static_cast<std::size_t>(chr) > m_rows.size())
        throw std::out_of_range("clsBattleRecord: no row for this character");
    return m_rows[static_cast<std::size_t>(chr) - 1];
}

clsBattleRecord::BtlRecRow &clsBattleRecord::row(std::int16_t chr)
{
    return const_cast<BtlRecRow &>(std::as_const(*this).row(chr));
}

std::int32_t clsBattleRecord::cell(std::int16_t chr, std::int16_t ene, Counts counts) const
{
    const std::vector<std::int32_t> &cells = row(chr).*counts;
    if (ene < 1 || static_cast<std::size_t>(ene) > cells.size())
        throw std::out_of_range("clsBattleRecord: no column for this opponent");
    return cells[static_cast<std::size_t>(ene) - 1];
}

std::int64_t clsBattleRecord::sum(std::int16_t chr, Counts counts) const
{
    const std::vector<std::int32_t> &cells = row(chr).*counts;
    return std::accumulate(cells.begin(), cells.end(), std::int64_t{0});
}

std::int64_t clsBattleRecord::sum(Counts counts) const
{
    std::int64_t total = 0;
    for (const BtlRecRow &r : m_rows)
        total = std::accumulate((r.*counts).begin(), (r.*counts).end(), total);
    return total;
}

std::int32_t clsBattleRecord::columnCount(std::int16_t chr) const
{
    return static_cast<std::int32_t>(row(chr).Win.size());
}

std::int32_t clsBattleRecord::UseChr(std::int16_t chr) const
{
    return row(chr).Use;
}

std::int64_t clsBattleRecord::UseAll() const
{
    std::int64_t total = 0;
    for (const BtlRecRow &r : m_rows)
        total += r.Use;
    return total;
}

std::int32_t clsBattleRecord::Lose(std::int16_t chr, std::int16_t ene) const
{
    return cell(chr, ene, &BtlRecRow::Lose);
}

std::int64_t clsBattleRecord::LoseChr(std::int16_t chr) const
{
    return sum(chr, &BtlRecRow::Lose);
}

std::int64_t clsBattleRecord::LoseAll() const
{
    return sum(&BtlRecRow::Lose);
}

std::int32_t clsBattleRecord::Win(std::int16_t chr, std::int16_t ene) const
{
    return cell(chr, ene, &BtlRecRow::Win);
}

std::int64_t clsBattleRecord::WinChr(std::int16_t chr) const
{
    return sum(chr, &BtlRecRow::Win);
}

std::int64_t clsBattleRecord::WinAll() const
{
    return sum(&BtlRecRow::Win);
}

std::int32_t clsBattleRecord::Point(std::int16_t chr, std::int16_t ene) const
{
    return cell(chr, ene, &BtlRecRow::Point);
}

std::int64_t clsBattleRecord::PointChr(std::int16_t chr) const
{
    return sum(chr, &BtlRecRow::Point);
}

std::int64_t clsBattleRecord::PointAll() const
{
    return sum(&BtlRecRow::Point);
}

std::int32_t clsBattleRecord::WinPoint(std::int16_t chr, std::int16_t ene) const
{
    return cell(chr, ene, &BtlRecRow::WinPoint);
}

std::int32_t clsBattleRecord::IncUse(std::int16_t chr)
{
    BtlRecRow &r = row(chr);
    r.Use = saturated(std::int64_t{r.Use} + 1);
    return r.Use;
}

std::int32_t clsBattleRecord::increment(std::int16_t chr, std::int16_t ene, Counts counts)
{
    BtlRecRow &r = row(chr);
    const auto column = static_cast<std::size_t>(ene);
    // A record file may hold more rows than characters with rows shorter than the table; the
    // end of a battle must still count, so such a row grows to the opponent's column.
    if (ene < 1 || (column > (r.*counts).size() && column > characterCount()))
        throw std::out_of_range("clsBattleRecord: no column for this opponent");
    if (column > (r.*counts).size()) {
        r.Win.resize(column);
        r.Lose.resize(column);
        r.Point.resize(column);
    }
    std::int32_t &value = (r.*counts)[column - 1];
    std::int64_t step = 1;
    if (counts == &BtlRecRow::Point)
        step = column <= r.WinPoint.size() ? r.WinPoint[column - 1] : 0;
    value = saturated(value + step);
    return value;
}

std::int32_t clsBattleRecord::IncLose(std::int16_t chr, std::int16_t ene)
{
    return increment(chr, ene, &BtlRecRow::Lose);
}

std::int32_t clsBattleRecord::IncWin(std::int16_t chr, std::int16_t ene)
{
    return increment(chr, ene, &BtlRecRow::Win);
}

std::int32_t clsBattleRecord::IncPoint(std::int16_t chr, std::int16_t ene)
{
    return increment(chr, ene, &BtlRecRow::Point);
}

void clsBattleRecord::zeroWinPoints()
{
    const std::size_t characters = characterCount();
    for (std::size_t r = 0; r < characters && r < m_rows.size(); ++r)
        m_rows[r].WinPoint.assign(characters, 0);
}

void clsBattleRecord::startFresh(const QString &path, bool save)
{
    m_path.store(path);
    const std::size_t characters = characterCount();
    const std::vector<std::int32_t> zeros(characters, 0);
    m_rows.assign(characters, BtlRecRow{0, zeros, zeros, zeros, {}});
    if (save)
        Save(path);
    zeroWinPoints();
}

ResultCode clsBattleRecord::Read(const QString &path)
{
    m_freshCause = rcSuccess;
    m_failedLine = {};
    m_unreadFile.clear();
    if (!FileSystem::isFile(path)) {
        m_freshCause = rcFileNotFound;
        startFresh(path, true);
        return rcSuccess;
    }
    const ResultCode code = readFile(path);
    if (code != rcSuccess)
        m_unreadFile = path;
    return code;
}

ResultCode clsBattleRecord::readFile(const QString &path)
{
    QByteArray bytes;
    if (const ResultCode code = DataFile::ReadBytes(path, bytes); code != rcSuccess)
        return code;
    m_path.store(path);

    QString body;
    bool coded = true;
    const ResultCode code = DataFile::UnframeAnyCodedVersion(bytes, kVersionLine, body, coded);
    if (code == rcChecksumError) {
        // A damaged record gives way to a fresh one, but the player's old record is kept
        // beside it. Where it cannot be kept, it is never overwritten.
        m_codec = true;
        m_freshCause = rcChecksumError;
        const bool kept = DataFile::SaveBytes(path + QStringLiteral(".bad"), bytes) == rcSuccess;
        if (!kept)
            m_unreadFile = path;
        startFresh(path, kept);
        return rcSuccess;
    }
    if (code != rcSuccess)
        return code;
    m_codec = coded;
    return parse(body);
}

ResultCode clsBattleRecord::parse(QStringView body)
{
    m_rows.clear();
    clsCSVAccess csv;
    DataFile::Lines lines(body, 1);
    QStringView line;
    const auto stop = [&] {
        m_failedLine = lines.failed();
        return rcOtherError;
    };
    while (lines.next(line)) {
        if (!csv.setCSVLine(line) || m_rows.size() == kMaxRows)
            return stop();
        BtlRecRow &r = m_rows.emplace_back();
        const std::optional<std::int32_t> use = ColumnNumber::Unsigned32(csv.Item(0));
        if (!use)
            return stop();
        r.Use = *use;
        const auto columns = static_cast<std::size_t>(csv.Count());
        r.Win.reserve(columns);
        r.Lose.reserve(columns);
        r.Point.reserve(columns);
        std::array<std::int32_t, 3> parts{};
        for (std::int16_t c = 1; c < csv.Count(); ++c) {
            const QString text = csv.Item(c);
            if (text.isEmpty())
                break;
            if (!parseCell(text, parts))
                return stop();
            r.Win.push_back(parts[0]);
            r.Lose.push_back(parts[1]);
            r.Point.push_back(parts[2]);
        }
    }
    if (m_rows.empty())
        return rcOtherError;
    const std::size_t characters = characterCount();
    if (m_rows.size() < characters) {
        m_rows.resize(characters);
        for (BtlRecRow &r : m_rows) {
            const std::size_t columns = std::max(r.Win.size(), characters);
            r.Win.resize(columns);
            r.Lose.resize(columns);
            r.Point.resize(columns);
        }
    }
    zeroWinPoints();
    return rcSuccess;
}

ResultCode clsBattleRecord::Read_WinPoint(const QString &path)
{
    m_failedLine = {};
    m_winPointSize = {};
    if (!FileSystem::isFile(path))
        return rcOtherError;
    QByteArray bytes;
    if (const ResultCode code = DataFile::ReadBytes(path, bytes); code != rcSuccess)
        return code;
    // The table has no version line: a plain one starts with a digit.
    if (bytes.front() < '0' || bytes.front() > '9') {
        std::int32_t trailer = 0;
        if (!basCodec::TakeTrailer(bytes, trailer))
            return rcFileClose;
        if (!basCodec::DecodeAndVerify(bytes, trailer))
            return rcChecksumError;
    }
    const std::optional<QString> text = DataFile::TextOf(bytes);
    if (!text)
        return rcOtherError;

    // Past the end of the text the line object keeps the last line, so the rows the table
    // lacks repeat its last row.
    const std::size_t characters = characterCount();
    clsCSVAccess csv;
    DataFile::Lines lines(*text);
    for (std::size_t r = 0; r < characters; ++r) {
        QStringView line;
        const bool fromFile = lines.next(line);
        if (!fromFile)
            line = {};
        if (!csv.setCSVLine(line)) {
            m_failedLine = lines.failed();
            return rcDataError;
        }
        if (r >= m_rows.size() || m_rows[r].WinPoint.size() < characters)
            return rcDataError;
        if (fromFile) {
            m_winPointSize.columns =
                r == 0 ? csv.Count() : std::min<std::int32_t>(m_winPointSize.columns, csv.Count());
            ++m_winPointSize.rows;
        }
        for (std::size_t c = 0; c < characters; ++c) {
            const QString column = c < static_cast<std::size_t>(csv.Count())
                                       ? csv.Item(static_cast<std::int16_t>(c))
                                       : QString();
            const std::optional<std::int32_t> points = ColumnNumber::Unsigned32(column);
            if (!points) {
                m_failedLine = lines.failed();
                return rcDataError;
            }
            m_rows[r].WinPoint[c] = *points;
        }
    }
    return rcSuccess;
}

ResultCode clsBattleRecord::Save(const QString &path) const
{
    if (m_rows.empty())
        return rcOtherError;
    if (!m_unreadFile.isEmpty() && QFileInfo(path) == QFileInfo(m_unreadFile))
        return rcOtherError;
    // Only digits, signs and separators: the text is its own code page 932 form.
    std::size_t cells = 0;
    for (const BtlRecRow &r : m_rows)
        cells += r.Win.size();
    std::string text(kVersionLine.data(), static_cast<std::size_t>(kVersionLine.size()));
    text.reserve(text.size() + 13 * m_rows.size() + 36 * cells);
    for (const BtlRecRow &r : m_rows) {
        appendNumber(text, r.Use);
        for (std::size_t c = 0; c < r.Win.size(); ++c) {
            text += ',';
            appendNumber(text, r.Win[c]);
            text += '-';
            appendNumber(text, r.Lose[c]);
            text += '-';
            appendNumber(text, r.Point[c]);
        }
        text += "\r\n";
    }
    return DataFile::SaveText(path, QByteArray::fromStdString(text), m_codec);
}
