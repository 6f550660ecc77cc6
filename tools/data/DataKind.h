#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The kinds of data file the game reads, each with its own reader.
enum class DataKind { Char, Card, Record, Point, Strings };

namespace DataKinds {

// The kind named on the command line ("char", "card", "record", "point", "strings").
std::optional<DataKind> named(QStringView name);

// "char|card|record|point|strings", for help and usage texts.
QString choices();

// The version line of a kind, CR LF included; empty for the win-point table, which has none.
QByteArray versionLine(DataKind kind);

// Whether a win-point table's bytes are its plain form: the table has no version line, and a
// plain one starts with a digit.
bool plainWinPoints(QByteArrayView bytes);

// Tells the kind from a file's bytes as the readers tell plain from coded: by the version line
// of a plain file or of an intact coded one; a win-point table has no version line and starts
// with a digit. Nothing for anything else, for example a coded file that fails its checksum.
std::optional<DataKind> detect(const QByteArray &bytes);

} // namespace DataKinds
