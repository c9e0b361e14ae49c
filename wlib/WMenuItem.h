#pragma once

#include "WEventGenerator.h"

// A command item of a menu; raises ClickEvent for its menu command and its
// accelerators. Belongs to its menu.
class WMenuItem : public WEventGenerator {
public:
    explicit WMenuItem(int command) : command_(command) {}
    int GetCommand() const { return command_; }

private:
    int command_;
};
