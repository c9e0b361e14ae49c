#pragma once

#include <string>

// A text in the Windows ANSI code page (Windows-1252 here).
class WString {
public:
    WString() = default;
    WString(const char* text) : text_(text ? text : "") {}
    WString(std::string text) : text_(std::move(text)) {}

    const char* GetText() const { return text_.c_str(); }
    const std::string& Str() const { return text_; }
    size_t GetLength() const { return text_.size(); }
    bool IsEmpty() const { return text_.empty(); }

    // Exact, case-sensitive comparison.
    bool operator==(const WString& other) const { return text_ == other.text_; }
    bool operator!=(const WString& other) const { return text_ != other.text_; }

private:
    std::string text_;
};
