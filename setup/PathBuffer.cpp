#include "setup/PathBuffer.h"

namespace vh {

void PathBuffer::Clear() {
    text_[0] = L'\0';
    length_ = 0;
    tooLong_ = false;
}

void PathBuffer::Assign(const wchar_t* text) {
    Clear();
    Append(text);
}

void PathBuffer::Append(const wchar_t* text) {
    if (!text) return;
    for (; *text; ++text) {
        if (length_ + 1 >= kMaxPath) {
            tooLong_ = true;
            break;
        }
        text_[length_++] = *text;
    }
    text_[length_] = L'\0';
}

void PathBuffer::AddBackslash() {
    if (!empty() && !EndsWithBackslash()) Append(L"\\");
}

bool PathBuffer::CutAtLastBackslash() {
    for (std::size_t i = length_; i > 0; --i) {
        if (text_[i - 1] == L'\\') {
            length_ = i - 1;
            text_[length_] = L'\0';
            return true;
        }
    }
    return false;
}

}  // namespace vh
