#include "WExeApplication.h"

int WExeApplication::Run(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    SetInstance(instance);
    SetThreadId(GetCurrentThreadId());
    return RunPhases();
}
