#pragma once

#include "ExperimentState.h"

#include <QTest>

#include <optional>

// Lets QCOMPARE name the states it compares.
namespace QTest {

template<> inline char *toString(const ExperimentState &state)
{
    static const char *const names[] = {"Ready", "Cleared", "Tumbling", "AutoRunning", "Finished"};
    return qstrdup(names[int(state)]);
}

template<> inline char *toString(const std::optional<ExperimentState> &state)
{
    return state ? toString(*state) : qstrdup("no named state");
}

} // namespace QTest
