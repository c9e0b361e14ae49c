#pragma once

#include "WApplication.h"

// An application run from a GUI entry routine.
class WExeApplication : public WApplication {
public:
    // Records the instance and the calling thread, then runs the phases.
    int Run(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
};
