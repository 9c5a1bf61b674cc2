#pragma once

// The two dice of the experiment. The large die selects the tally's row.
enum class Die { Large, Small };

inline constexpr int FacesPerDie = 6;

// A die's face; 0 stands before the die's first roll.
inline constexpr bool isFace(int value)
{
    return value >= 1 && value <= FacesPerDie;
}

// Whether a throw's two faces multiply to an odd number: both are odd.
inline constexpr bool isOddProduct(int large, int small)
{
    return (large * small) % 2 == 1;
}
