#include "data/clsCSVAccess.h"

#include <limits>
#include <stdexcept>

namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';
constexpr std::size_t kMaxItems = std::numeric_limits<std::int16_t>::max();

} // namespace

bool clsCSVAccess::setCSVLine(QStringView line)
{
    if (line.isEmpty())
        return true;
    m_items.clear();
    m_line = line.toString();
    const QStringView all(m_line);
    qsizetype rest = 0;
    const qsizetype end = all.size();
    while (rest < end) {
        if (m_items.size() == kMaxItems) {
            m_items.clear();
            return false;
        }
        // A comma inside an opening pair of quotes does not separate.
        qsizetype searchFrom = rest;
        if (all[rest] == kQuote) {
            const qsizetype closing = all.indexOf(kQuote, rest + 1);
            if (closing > rest)
                searchFrom = closing;
        }
        qsizetype comma = all.indexOf(kComma, searchFrom);
        if (comma < 0)
            comma = end;
        const qsizetype itemStart = rest;
        const qsizetype itemEnd = comma;
        rest = comma + 1;

        Span span{{itemStart, itemEnd - itemStart}, {}};
        if (itemEnd > itemStart && all[itemStart] == kQuote) {
            const qsizetype closing = all.first(itemEnd).indexOf(kQuote, itemStart + 1);
            if (closing < 0) {
                m_items.clear();
                return false;
            }
            // The quoted text, then whatever follows the closing quote; a doubled quote is not
            // an escape.
            span.text = {itemStart + 1, closing - itemStart - 1};
            span.tail = {closing + 1, itemEnd - closing - 1};
        }
        m_items.push_back(span);
    }
    return true;
}

QString clsCSVAccess::Item(std::int16_t index) const
{
    if (index < 0)
        throw std::out_of_range("clsCSVAccess::Item: negative index");
    const auto at = static_cast<std::size_t>(index);
    if (at >= m_items.size())
        return {};
    const Span &span = m_items[at];
    const QStringView all(m_line);
    if (span.tail.length == 0)
        return all.sliced(span.text.start, span.text.length).toString();
    QString item;
    item.reserve(span.text.length + span.tail.length);
    item.append(all.sliced(span.text.start, span.text.length));
    item.append(all.sliced(span.tail.start, span.tail.length));
    return item;
}
