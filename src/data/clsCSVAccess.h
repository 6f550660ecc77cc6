#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Splits one line of a data file into its comma-separated items. One object serves a whole
// file: each non-empty line replaces the items of the line before.
class clsCSVAccess
{
public:
    // Splits `line`. The empty text changes nothing (the previous items stay). Returns false,
    // leaving no items, when a quoted item is not closed or the line has more than 32767 items.
    [[nodiscard]] bool setCSVLine(QStringView line);

    std::int16_t Count() const { return static_cast<std::int16_t>(m_items.size()); }

    // The item at `index`, or the empty text past the last one (missing trailing columns read
    // as empty). A negative index throws std::out_of_range.
    QString Item(std::int16_t index) const;

private:
    // An item is at most two pieces of the line: a quoted text and what follows its closing
    // quote. Keeping positions instead of texts spares an allocation per item.
    struct Piece
    {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    struct Span
    {
        Piece text;
        Piece tail;
    };

    QString m_line;
    std::vector<Span> m_items;
};
