#pragma once

// String table of the library (wlib.rc).
#define WSTR_KEY_CTRL 0xE000
#define WSTR_KEY_ALT 0xE001
#define WSTR_KEY_SHIFT 0xE002
#define WSTR_KEY_PLUS 0xE003
// Key names: WSTR_KEY_NAME + virtual-key code.
#define WSTR_KEY_NAME 0xE100
