// printf-style formatting with the Windows semantics of wide formats (%s is a wide string,
// %S a narrow one) on every build, into a fixed-size buffer.
//
// Arguments carry their type (FormatArg), so a conversion never reads the wrong type: numbers
// print as numbers, strings as strings, and a missing argument prints nothing. When the text does not fit,
// it is cut at the last whole character that fits and always terminated, so a buffer of N
// characters holds at most N - 1 characters of text.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace vh {

struct FormatArg {
    enum class Kind { Signed, Unsigned, Wide, Narrow };
    Kind kind;
    union {
        std::int64_t s;
        std::uint64_t u;
        const wchar_t* w;
        const char* n;
    };

    template <typename T>
        requires std::is_integral_v<T>
    FormatArg(T v) {  // NOLINT(google-explicit-constructor): implicit on purpose, like printf
        if constexpr (std::is_signed_v<T>) {
            kind = Kind::Signed;
            s = v;
        } else {
            kind = Kind::Unsigned;
            u = v;
        }
    }
    template <typename E>
        requires std::is_enum_v<E>
    FormatArg(E v) : FormatArg(static_cast<std::underlying_type_t<E>>(v)) {}
    FormatArg(const wchar_t* v) : kind(Kind::Wide), w(v) {}
    FormatArg(const std::wstring& v) : kind(Kind::Wide), w(v.c_str()) {}
    FormatArg(const char* v) : kind(Kind::Narrow), n(v) {}
};

// Formats into buf (capacity in characters, including the terminator). Returns the number of
// characters written, without the terminator.
std::size_t FormatInto(wchar_t* buf, std::size_t capacity, const wchar_t* pattern, const FormatArg* args,
                       std::size_t argCount);

template <std::size_t N, typename... Args>
std::size_t FormatW(wchar_t (&buf)[N], const wchar_t* pattern, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return FormatInto(buf, N, pattern, nullptr, 0);
    } else {
        const FormatArg list[] = {FormatArg(args)...};
        return FormatInto(buf, N, pattern, list, sizeof...(Args));
    }
}

// Formats into a string of at most maxChars characters (a CString-like scratch string).
template <typename... Args>
void FormatString(std::wstring& out, std::size_t maxChars, const wchar_t* pattern, const Args&... args) {
    out.resize(maxChars + 1);
    std::size_t n;
    if constexpr (sizeof...(Args) == 0) {
        n = FormatInto(out.data(), maxChars + 1, pattern, nullptr, 0);
    } else {
        const FormatArg list[] = {FormatArg(args)...};
        n = FormatInto(out.data(), maxChars + 1, pattern, list, sizeof...(Args));
    }
    out.resize(n);
}

}  // namespace vh
