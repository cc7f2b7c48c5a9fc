// The driver's only output: one line of key=value pairs per command, for the harness to parse.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace e2e {

std::string ToUtf8(std::wstring_view text);

// Builds "key=value key=value ..." in call order. Text values are always double-quoted, with
// backslash and double quote escaped and control characters written as \xNN, so a title with
// spaces or an empty title stays one field.
class ResultLine {
public:
    ResultLine& Text(std::string_view key, std::wstring_view value);
    ResultLine& Word(std::string_view key, std::string_view value);
    ResultLine& Dec(std::string_view key, std::int64_t value);
    ResultLine& Hex(std::string_view key, std::uint64_t value);
    ResultLine& Flag(std::string_view key, bool value) { return Dec(key, value ? 1 : 0); }

    // Writes the line and a line feed to standard output and flushes it.
    void Print() const;

private:
    void Key(std::string_view key);
    std::string line_;
};

// Prints "error=<what>" and returns the failure exit code, for a one-line early return.
int Fail(std::string_view what);

}  // namespace e2e
