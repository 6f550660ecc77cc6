#include "battle/Random.h"

#include <chrono>

namespace {

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

Random::Random() : m_engine(clockSeed()) {}

Random::Random(std::uint64_t seed) : m_engine(seed) {}

double Random::Rnd()
{
    // The top 53 bits fill a double's mantissa exactly, so the largest draw is 1 - 2^-53.
    // std::generate_canonical may round up to 1.0, which would pick an element past a list.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

void Random::seed(std::uint64_t seed)
{
    m_engine.seed(seed);
}

Random &Random::Program()
{
    static Random generator;
    return generator;
}
