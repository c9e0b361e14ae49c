// Translation latency, in-process: from the list's double-click notification
// to the handler's return (label text set, play request made), against the
// floor of a bare MCI window closing, opening and playing the same file.
// Run with the build directory as current directory (sounds\1.wav ...).
// Prints "translate.median" and "translate.p99" lines for the driver.
#include <windows.h>
#include <vfw.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "ApplicationClass.h"
#include "Form1.h"
#include "PhraseTable.h"

namespace {

const int Rounds = 20;

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

double Percentile(std::vector<double> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    size_t rank = static_cast<size_t>(std::ceil(p * static_cast<double>(samples.size())));
    return samples[std::min(samples.size(), std::max<size_t>(rank, 1)) - 1];
}

// The program's form: select item i, then the double-click notification.
std::vector<double> ProgramSamples(int& failures)
{
    std::vector<double> samples;
    if (!CreateMainForm())
        return samples;
    HWND form = MainForm->GetHandle();
    HWND list = GetDlgItem(form, 102);
    HWND label = GetDlgItem(form, 109);
    for (int round = 0; round < Rounds; ++round) {
        for (int i = 0; i < PhraseCount; ++i) {
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
            double start = Now();
            SendMessageA(form, WM_COMMAND, MAKEWPARAM(102, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
            samples.push_back(Now() - start);
            char text[1024] = "";
            GetWindowTextA(label, text, sizeof text);
            if (!MainForm->SoundOpened || std::string(text) != PhraseTable[PhraseDisplayOrder[i] - 1].DialectText)
                ++failures;
            Pump();
        }
    }
    DestroyMainForm();
    return samples;
}

// The floor: a bare MCI window, close, open and play of the same files.
std::vector<double> FloorSamples(HINSTANCE instance, int& failures)
{
    std::vector<double> samples;
    HWND player = MCIWndCreateA(nullptr, instance, WS_POPUP | MCIWNDF_NOPLAYBAR | MCIWNDF_NOMENU, nullptr);
    if (!player)
        return samples;
    for (int round = 0; round < Rounds; ++round) {
        for (int i = 0; i < PhraseCount; ++i) {
            std::string path = "sounds//" + std::to_string(PhraseDisplayOrder[i]) + ".wav";
            double start = Now();
            SendMessageA(player, MCI_CLOSE, 0, 0);
            LRESULT opened = SendMessageA(player, MCIWNDM_OPENA, 0, reinterpret_cast<LPARAM>(path.c_str()));
            LRESULT played = opened == 0 ? SendMessageA(player, MCI_PLAY, 0, 0) : 1;
            samples.push_back(Now() - start);
            if (opened != 0 || played != 0)
                ++failures;
            Pump();
        }
    }
    DestroyWindow(player);
    return samples;
}

void Print(const char* name, double value, double floor)
{
    printf("%s %.3f ms %.3f %.2f\n", name, value, floor, floor > 0 ? value / floor : 0.0);
}

} // namespace

int main()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    int programFailures = 0, floorFailures = 0;
    std::vector<double> program = ProgramSamples(programFailures);
    std::vector<double> floor = FloorSamples(instance, floorFailures);
    if (program.empty() || floor.empty()) {
        printf("# translate: could not create the %s\n", program.empty() ? "form" : "MCI window");
        return 1;
    }
    printf("# translate: %zu double-clicks (%d without text or sound), %zu floor plays (%d failed)\n",
           program.size(), programFailures, floor.size(), floorFailures);
    Print("translate.median", Percentile(program, 0.5), Percentile(floor, 0.5));
    Print("translate.p99", Percentile(program, 0.99), Percentile(floor, 0.99));
    return programFailures || floorFailures ? 1 : 0;
}
