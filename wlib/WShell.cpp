#include "WShell.h"

#include <shellapi.h>

bool WShell::Execute(const WFilePath& path, const WString& operation, const WString& parameters, int show, HWND owner)
{
    WString directory = path.GetDirectory();
    WString file = path.GetFileName();
    HINSTANCE result = ShellExecuteA(owner, operation.IsEmpty() ? nullptr : operation.GetText(), file.GetText(),
                                     parameters.GetText(), directory.GetText(), show);
    return reinterpret_cast<INT_PTR>(result) > 32;
}
