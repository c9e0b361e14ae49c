#pragma once

// The library's assertion box for checks that should never fail.
class WAssertion {
public:
    // Does nothing when `condition` holds. Otherwise asks, with Yes and No,
    // whether to continue: No ends the process at once; Yes returns false.
    static bool Check(bool condition, const char* check);

    // Exit code of a process ended from the box.
    static constexpr unsigned AbortExitCode = 3;
    static const char* Caption() { return "Assertion failed"; }
};
