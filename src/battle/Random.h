#pragma once

#include <cstdint>
#include <random>

// The uniform generator behind every random choice of a battle. The program uses one instance,
// seeded once from the clock; tests and tools seed it to replay a battle exactly.
class Random
{
public:
    // Seeded from the clock.
    Random();
    explicit Random(std::uint64_t seed);
    virtual ~Random() = default;

    Random(const Random &) = delete;
    Random &operator=(const Random &) = delete;

    // A draw in [0, 1), never 1.0.
    virtual double Rnd();

    void seed(std::uint64_t seed);

    // The program's generator.
    static Random &Program();

private:
    std::mt19937_64 m_engine;
};
