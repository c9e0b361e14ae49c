#pragma once

#include "WControl.h"

// A static text control.
class WLabel : public WControl {
};
