#pragma once

#include <QString>

#include <vector>

// What the characters say before a battle: one talk file per character and, for every pairing,
// the script that picks the lines.
namespace Talk {

struct Line
{
    QString key;
    QString text; // "\n" (backslash, n) breaks the line in the balloon
};

// The lines of character `n` (1-based), as its talk file holds them.
std::vector<Line> linesOf(int n);

// The script of player `you` against computer `enemy`: pieces "0KEY" or "1KEY" joined by "-".
QString script(int you, int enemy);

} // namespace Talk
