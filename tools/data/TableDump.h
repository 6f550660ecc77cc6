#pragma once

#include "DataKind.h"

#include <QStringList>

// The table a reader produced, one row a line, its columns tab-separated in the order the
// file gives them. Texts are shown on one line (Report::shown).
QStringList dumpTable(DataKind kind);
