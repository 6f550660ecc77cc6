#pragma once

#include <QString>

// True when another copy of the program runs from `programFolder`. Otherwise this process
// claims the folder until it ends. Copies in different folders do not see each other.
bool PrevInstance(const QString &programFolder);
