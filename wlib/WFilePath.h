#pragma once

#include "WString.h"

// A file path kept exactly as given; "/" and "\" both separate.
class WFilePath {
public:
    WFilePath() = default;
    WFilePath(const WString& path) : path_(path) {}

    const WString& GetPath() const { return path_; }
    // From the last "." behind the last separator, dot included; "" if none.
    WString GetExtension() const;
    // Drive and directory, separator included; "" for a bare file name.
    WString GetDirectory() const;
    // Name and extension.
    WString GetFileName() const;

private:
    size_t NameStart() const;
    WString path_;
};
