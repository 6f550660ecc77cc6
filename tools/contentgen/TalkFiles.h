#pragma once

#include <QDir>
#include <QString>

// The battle screen's string lists: Vs.CSV (music and the talk scripts, plain) and one talk
// file a character under mes (every other one coded).
namespace TalkFiles {

// The widest a balloon's text may be, in pixels, so that the balloon with its face stays on
// the battle window.
constexpr int MaxTextWidth = 470;

// False with the reason in `problem` when a file cannot be written or a line is too wide.
bool write(const QDir &folder, QString &problem);

} // namespace TalkFiles
