#include "common/WFormat.h"

namespace vh {
namespace {

class Writer {
public:
    Writer(wchar_t* buf, std::size_t capacity) : buf_(buf), limit_(capacity ? capacity - 1 : 0) {}
    void Put(wchar_t c) {
        if (pos_ < limit_) buf_[pos_++] = c;
    }
    void Repeat(wchar_t c, int n) {
        for (int i = 0; i < n; ++i) Put(c);
    }
    std::size_t Finish() {
        if (buf_ && limit_ + 1 > 0) buf_[pos_] = L'\0';
        return pos_;
    }

private:
    wchar_t* buf_;
    std::size_t limit_;
    std::size_t pos_ = 0;
};

struct Spec {
    bool left = false, zero = false, plus = false, space = false, alt = false;
    int width = 0;
    int precision = -1;
};

// Writes digits of v in the given base into tmp (reversed), returns count.
int Digits(std::uint64_t v, unsigned base, bool upper, wchar_t* tmp) {
    const wchar_t* set = upper ? L"0123456789ABCDEF" : L"0123456789abcdef";
    int n = 0;
    do {
        tmp[n++] = set[v % base];
        v /= base;
    } while (v != 0);
    return n;
}

void PutNumber(Writer& w, const Spec& spec, bool negative, std::uint64_t magnitude, unsigned base, bool upper) {
    wchar_t tmp[24];
    int n = (spec.precision == 0 && magnitude == 0) ? 0 : Digits(magnitude, base, upper, tmp);
    int zeros = spec.precision > n ? spec.precision - n : 0;
    wchar_t sign = negative ? L'-' : spec.plus ? L'+' : spec.space ? L' ' : L'\0';
    const wchar_t* prefix = (spec.alt && magnitude != 0 && base == 16) ? (upper ? L"0X" : L"0x") : L"";
    int prefixLen = prefix[0] ? 2 : 0;
    int body = n + zeros + (sign ? 1 : 0) + prefixLen;
    int pad = spec.width > body ? spec.width - body : 0;
    if (!spec.left && !(spec.zero && spec.precision < 0)) w.Repeat(L' ', pad);
    if (sign) w.Put(sign);
    for (int i = 0; i < prefixLen; ++i) w.Put(prefix[i]);
    if (!spec.left && spec.zero && spec.precision < 0) w.Repeat(L'0', pad);
    w.Repeat(L'0', zeros);
    while (n > 0) w.Put(tmp[--n]);
    if (spec.left) w.Repeat(L' ', pad);
}

template <typename Char>
void PutString(Writer& w, const Spec& spec, const Char* s) {
    if (!s) s = reinterpret_cast<const Char*>(sizeof(Char) == 1 ? static_cast<const void*>("(null)")
                                                                 : static_cast<const void*>(L"(null)"));
    int len = 0;
    while (s[len] && (spec.precision < 0 || len < spec.precision)) ++len;
    int pad = spec.width > len ? spec.width - len : 0;
    if (!spec.left) w.Repeat(L' ', pad);
    for (int i = 0; i < len; ++i) {
        // A narrow string is taken byte by byte as Latin-1, which is what the program's texts are.
        w.Put(static_cast<wchar_t>(sizeof(Char) == 1 ? static_cast<unsigned char>(s[i]) : s[i]));
    }
    if (spec.left) w.Repeat(L' ', pad);
}

}  // namespace

std::size_t FormatInto(wchar_t* buf, std::size_t capacity, const wchar_t* pattern, const FormatArg* args,
                       std::size_t argCount) {
    Writer w(buf, capacity);
    std::size_t next = 0;
    auto take = [&]() -> const FormatArg* { return next < argCount ? &args[next++] : nullptr; };
    auto asInt = [](const FormatArg* a) -> std::int64_t {
        if (!a) return 0;
        if (a->kind == FormatArg::Kind::Signed) return a->s;
        if (a->kind == FormatArg::Kind::Unsigned) return static_cast<std::int64_t>(a->u);
        return 0;
    };

    for (const wchar_t* p = pattern; p && *p; ++p) {
        if (*p != L'%') {
            w.Put(*p);
            continue;
        }
        ++p;
        if (*p == L'%') {
            w.Put(L'%');
            continue;
        }
        Spec spec;
        for (;; ++p) {
            if (*p == L'-') spec.left = true;
            else if (*p == L'0') spec.zero = true;
            else if (*p == L'+') spec.plus = true;
            else if (*p == L' ') spec.space = true;
            else if (*p == L'#') spec.alt = true;
            else break;
        }
        if (*p == L'*') {
            spec.width = static_cast<int>(asInt(take()));
            if (spec.width < 0) {
                spec.left = true;
                spec.width = -spec.width;
            }
            ++p;
        } else {
            while (*p >= L'0' && *p <= L'9') spec.width = spec.width * 10 + (*p++ - L'0');
        }
        if (*p == L'.') {
            ++p;
            spec.precision = 0;
            if (*p == L'*') {
                spec.precision = static_cast<int>(asInt(take()));
                ++p;
            } else {
                while (*p >= L'0' && *p <= L'9') spec.precision = spec.precision * 10 + (*p++ - L'0');
            }
        }
        // Size prefixes are skipped: the argument's own type decides width and string kind.
        for (;;) {
            if (*p == L'h' || *p == L'l' || *p == L'w') ++p;
            else if (*p == L'z' || *p == L'j' || *p == L't' || *p == L'L') ++p;
            else if (*p == L'I') {
                ++p;
                if ((p[0] == L'6' && p[1] == L'4') || (p[0] == L'3' && p[1] == L'2')) p += 2;
            } else break;
        }
        const wchar_t conv = *p;
        if (!conv) break;
        const FormatArg* a = take();
        if (!a) continue;  // a missing argument prints nothing
        switch (conv) {
            case L'd':
            case L'i': {
                std::int64_t v = asInt(a);
                if (a->kind == FormatArg::Kind::Unsigned && a->u > 0x7FFFFFFFull && a->u <= 0xFFFFFFFFull) {
                    v = static_cast<std::int32_t>(static_cast<std::uint32_t>(a->u));  // a DWORD printed as int
                }
                std::uint64_t mag = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
                PutNumber(w, spec, v < 0, mag, 10, false);
                break;
            }
            case L'u':
            case L'x':
            case L'X':
            case L'o': {
                std::uint64_t v = static_cast<std::uint64_t>(asInt(a));
                if (a->kind == FormatArg::Kind::Signed && a->s < 0 && a->s >= INT32_MIN) {
                    v = static_cast<std::uint32_t>(a->s);  // a negative int printed as its 32-bit pattern
                }
                unsigned base = conv == L'u' ? 10 : conv == L'o' ? 8 : 16;
                PutNumber(w, spec, false, v, base, conv == L'X');
                break;
            }
            case L'c':
            case L'C': {
                wchar_t c = static_cast<wchar_t>(asInt(a));
                int pad = spec.width > 1 ? spec.width - 1 : 0;
                if (!spec.left) w.Repeat(L' ', pad);
                w.Put(c);
                if (spec.left) w.Repeat(L' ', pad);
                break;
            }
            case L's':
            case L'S':
                // The argument's own type decides: %s, %S, %hs and %ls all print the string given.
                if (a->kind == FormatArg::Kind::Wide) PutString(w, spec, a->w);
                else if (a->kind == FormatArg::Kind::Narrow) PutString(w, spec, a->n);
                break;
            default:
                // Unknown conversion: print it as it stands.
                w.Put(L'%');
                w.Put(conv);
                break;
        }
    }
    return w.Finish();
}

}  // namespace vh
