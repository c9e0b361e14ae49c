// Stands in for the shell's handler of internet shortcut files in the link
// tests: each start appends one line to the log named by URL_STANDIN_LOG
// (next to this program without it), with tab-separated fields
//   current directory, argument, full path of the argument, file content
// where the content is escaped (\r \n \t \\) so the line stays one line, and
// is "<unreadable>" when the file cannot be read.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string Escaped(const std::string& bytes)
{
    std::string out;
    for (char c : bytes) {
        switch (c) {
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

std::string LogPath()
{
    char buffer[MAX_PATH] = "";
    if (GetEnvironmentVariableA("URL_STANDIN_LOG", buffer, MAX_PATH) > 0)
        return buffer;
    DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string self(buffer, n);
    return self.substr(0, self.find_last_of("\\/")) + "\\url_standin.log";
}

} // namespace

int main(int argc, char** argv)
{
    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, directory);
    std::string argument = argc > 1 ? argv[1] : "";
    char full[MAX_PATH] = "";
    GetFullPathNameA(argument.c_str(), MAX_PATH, full, nullptr);

    std::string content = "<unreadable>";
    std::ifstream in(argument, std::ios::binary);
    if (in) {
        std::ostringstream bytes;
        bytes << in.rdbuf();
        content = Escaped(bytes.str());
    }

    std::string line = std::string(directory) + "\t" + argument + "\t" + full + "\t" + content + "\n";
    FILE* log = fopen(LogPath().c_str(), "ab");
    if (!log)
        return 1;
    fputs(line.c_str(), log);
    return fclose(log) == 0 ? 0 : 1;
}
