#include "MixingRandomGenerator.h"

#include <bit>
#include <cstdint>

namespace {

constexpr quint64 GoldenGamma = 0x9e3779b97f4a7c15ULL;

// SplitMix64's finaliser: every input bit affects every output bit.
quint64 scramble(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

MixingRandomGenerator::MixingRandomGenerator(quint64 initialState)
    : state(initialState)
{
}

void MixingRandomGenerator::reseed(float seed)
{
    const quint64 seedBits = std::bit_cast<std::uint32_t>(seed);
    state = scramble(state ^ (seedBits * GoldenGamma));
}

double MixingRandomGenerator::next()
{
    state += GoldenGamma;
    // The top 53 bits fill a double's mantissa: uniform on [0, 1).
    return double(scramble(state) >> 11) * 0x1.0p-53;
}
