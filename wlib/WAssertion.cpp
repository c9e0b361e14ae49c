#include "WAssertion.h"

#include <windows.h>

#include <string>

bool WAssertion::Check(bool condition, const char* check)
{
    if (condition)
        return true;
    std::string text = "Assertion failed!\n\n";
    text += check;
    text += "\n\nDo you wish to continue running?";
    int answer = MessageBoxA(nullptr, text.c_str(), Caption(), MB_YESNO | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    if (answer == IDNO)
        TerminateProcess(GetCurrentProcess(), AbortExitCode);
    return false;
}
