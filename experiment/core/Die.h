#pragma once

// The two dice of the experiment. The large die selects the tally's row.
enum class Die { Large, Small };

inline constexpr int FacesPerDie = 6;
