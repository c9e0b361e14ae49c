#pragma once

#include <windows.h>

#include "WFilePath.h"
#include "WString.h"

// The Windows shell.
class WShell {
public:
    // ShellExecuteA with the path split into directory and file; an empty
    // operation means the default action. True when the shell took it (> 32).
    static bool Execute(const WFilePath& path, const WString& operation, const WString& parameters, int show,
                        HWND owner = nullptr);
};
