// Reads what a user sees of a running phrase book from the outside:
//   plauderix_inspect OUTFILE tree          the main window and its children
//   plauderix_inspect OUTFILE item N        screen centre of list item N (0-based)
//   plauderix_inspect OUTFILE wait SECONDS  waits for the main window to show
//   plauderix_inspect OUTFILE close         closes the main window as its close box does
// One fact per line; texts are written with non-ASCII bytes as \xNN.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const Caption = "Plauderix...";

std::string Escaped(const std::string& s)
{
    std::string out;
    char buffer[8];
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
            out += buffer;
        }
    }
    return out;
}

std::string Text(HWND hwnd)
{
    char buffer[4096] = "";
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return buffer;
}

void Rect(FILE* out, const char* what, HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    char cls[128] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    std::fprintf(out, "%s id=%d class=%s x=%ld y=%ld w=%ld h=%ld visible=%d style=0x%08lX text=%s\n", what,
                 GetDlgCtrlID(hwnd), cls, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 IsWindowVisible(hwnd) ? 1 : 0, static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
                 Escaped(Text(hwnd)).c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 2;
    std::string command = argv[2];
    if (command == "wait") {
        int seconds = argc > 3 ? std::atoi(argv[3]) : 60;
        for (int i = 0; i < seconds * 10; ++i) {
            HWND main = FindWindowA(nullptr, Caption);
            if (main && IsWindowVisible(main)) {
                Rect(out, "window", main);
                std::fclose(out);
                return 0;
            }
            Sleep(100);
        }
        std::fclose(out);
        return 1;
    }
    HWND main = FindWindowA(nullptr, Caption);
    if (!main) {
        std::fclose(out);
        return 1;
    }
    if (command == "close") {
        PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (command == "tree") {
        Rect(out, "window", main);
        for (HWND c = GetWindow(main, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            Rect(out, "child", c);
    } else if (command == "item" && argc > 3) {
        HWND list = GetDlgItem(main, 102);
        int index = std::atoi(argv[3]);
        int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        RECT client;
        GetClientRect(list, &client);
        POINT p = {client.right / 3, (index - top) * height + height / 2};
        ClientToScreen(list, &p);
        int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        std::fprintf(out, "item %d x=%ld y=%ld height=%d count=%d\n", index, p.x, p.y, height, count);
    }
    std::fclose(out);
    return 0;
}
