#pragma once

#include <QString>

// True when another copy of the program run by this user holds `folder`. Otherwise this process
// claims the folder until it ends. The claim is a lock in the user's runtime folder, so copies of
// other users and copies holding other folders do not see each other. Where no lock can be made
// at all, the answer is false and nothing is claimed.
bool PrevInstance(const QString &folder);
