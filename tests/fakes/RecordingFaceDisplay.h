#pragma once

#include "FaceDisplay.h"

#include <array>

// Which of the six pictures of each die are on display.
class RecordingFaceDisplay final : public FaceDisplay
{
public:
    // A freshly loaded window shows all twelve pictures.
    RecordingFaceDisplay() { visible.fill({true, true, true, true, true, true}); }

    void setFaceVisible(Die die, int face, bool isVisible) override
    {
        visible.at(index(die)).at(std::size_t(face - 1)) = isVisible;
    }

    int visibleCount(Die die) const
    {
        int count = 0;
        for (bool isVisible : visible.at(index(die)))
            count += isVisible ? 1 : 0;
        return count;
    }

    // The one face on display, or 0 when there is not exactly one.
    int shownFace(Die die) const
    {
        if (visibleCount(die) != 1)
            return 0;
        const auto &pictures = visible.at(index(die));
        for (int face = 1; face <= FacesPerDie; ++face) {
            if (pictures.at(std::size_t(face - 1)))
                return face;
        }
        return 0;
    }

private:
    static std::size_t index(Die die) { return die == Die::Large ? 0 : 1; }

    std::array<std::array<bool, FacesPerDie>, 2> visible{};
};
