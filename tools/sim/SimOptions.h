#pragma once

#include "Simulator.h"

#include <QStringList>
#include <QTextStream>

#include <cstdint>
#include <optional>

// What the command line of virelith-sim asks for.
struct SimOptions
{
    QString data;
    int battles = 100;
    std::uint64_t seed = 0;
    // The texts of the --pair options; they name characters, so they are read once the game
    // data has loaded.
    QStringList pairs;
    PlayerKind player = PlayerKind::Random;
    bool log = false;
};

// Exit status for options that make no sense.
constexpr int kBadOptions = 2;

// Tells the mistake on the command line and returns kBadOptions.
int RefuseOptions(QTextStream &err, const QString &message);

// Reads `arguments` into `options`. The exit status when the program ends here: 0 after the
// help, kBadOptions after a mistake (told on `err`); nothing when it goes on.
std::optional<int> ReadOptions(const QStringList &arguments, SimOptions &options, QTextStream &out,
                               QTextStream &err);
