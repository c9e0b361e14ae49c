// The floor of the benchmarks: the main window's template with its eight
// controls, filled with the twenty phrases and shown by plain Win32, with no
// form class library in between. WM_CLOSE ends it with 0.
#include <windows.h>

#include "PhraseTable.h"

namespace {

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        HWND list = GetDlgItem(dialog, 102);
        for (int number : PhraseDisplayOrder)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(PhraseTable[number - 1].StandardText));
        return TRUE;
    }
    case WM_CLOSE:
        DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The template holds an MCI window; its class must exist first.
    HMODULE vfw = LoadLibraryA("MSVFW32");
    typedef BOOL(WINAPIV * RegisterFunction)(void);
    auto registerClass = vfw ? reinterpret_cast<RegisterFunction>(
                                   reinterpret_cast<void*>(GetProcAddress(vfw, "MCIWndRegisterClass")))
                             : nullptr;
    if (!registerClass || !registerClass())
        return 2;
    HWND dialog = CreateDialogParamA(instance, "ID_Form1", nullptr, FloorProc, 0);
    if (!dialog)
        return 1;
    ShowWindow(dialog, SW_SHOW);
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
