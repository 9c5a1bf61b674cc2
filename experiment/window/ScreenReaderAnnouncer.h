#pragma once

#include "Announcer.h"

#include <memory>

class QWidget;

// The platform's own way to hand a screen reader a sentence, for the window
// whose events it tells of: each platform's readers listen somewhere else.
std::unique_ptr<Announcer> screenReaderAnnouncer(QWidget &window);
