#include <windows.h>

#include "ApplicationClass.h"

// Constructed after the constant phrase table, before WinMain.
static ApplicationClass Application;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    return Application.Run(instance, previous, commandLine, show);
}
