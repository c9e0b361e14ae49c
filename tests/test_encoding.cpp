#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

const std::string Cp1252Bytes = "\xE4\xFC\xDF\xB4";

TEST(Encoding, StringLiteralIsWindows1252)
{
    EXPECT_EQ(std::string("äüß´"), Cp1252Bytes);
}

TEST(Encoding, ResourceStringReadsBackAsWindows1252)
{
    char buffer[16] = "";
    int n = LoadStringA(GetModuleHandleA(nullptr), 1, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(n > 0 ? n : 0)), Cp1252Bytes);
}

} // namespace
