#pragma once

#include "Cards.h"
#include "Cast.h"
#include "Score.h"

#include <QDir>
#include <QString>

// The data tables of the sample game, written through the game's own writers, and the names
// they give the files they refer to.
namespace Tables {

// File names as the data files write them, relative to the game folder.
QString faceName(const Cast::Member &member);
QString backgroundName(int color);
QString nomalName(int atType, int index);
QString pictureName(const Cards::Design &card);
QString musicName(const Score::Piece &piece);

// Writes CharData.CSV (coded), CardData.CSV (plain) and BtlPoint.CSV (coded). False with the
// reason in `problem` when a table cannot be written.
bool write(const QDir &folder, QString &problem);

} // namespace Tables
