#pragma once

#include <windows.h>

#include <string>

// A resource identifier: a number or a name.
class WResourceID {
public:
    WResourceID(int number) : number_(number) {}
    WResourceID(const char* name) : name_(name ? name : ""), number_(-1) {}

    LPCSTR Get() const { return number_ >= 0 ? MAKEINTRESOURCEA(number_) : name_.c_str(); }

private:
    std::string name_;
    int number_;
};
