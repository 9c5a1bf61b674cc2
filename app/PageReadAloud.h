#pragma once

#include "ReadAloud.h"

// The page's voice (read-aloud.js), which the page hands the program only
// where its address asks for reading aloud. The texts go to it cut into
// utterances in their spoken form; the page speaks them.
class PageReadAloud final : public ReadAloud
{
public:
    // Whether this page reads aloud.
    static bool offered();

    void read(const QString &text) override;
    void stop() override;
};
