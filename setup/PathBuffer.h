// A path held in a fixed buffer of 260 characters (at most 259 characters of text).
// Appending never writes past the buffer: text that does not fit is dropped and the path is
// marked too long, so that callers refuse it instead of acting on a cut path that names another
// file or folder.
#pragma once
#include <cstddef>

namespace vh {

constexpr std::size_t kMaxPath = 260;

class PathBuffer {
public:
    const wchar_t* c_str() const { return text_; }
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }
    bool TooLong() const { return tooLong_; }
    bool EndsWithBackslash() const { return length_ > 0 && text_[length_ - 1] == L'\\'; }

    void Clear();
    void Assign(const wchar_t* text);
    void Append(const wchar_t* text);
    // Adds a backslash unless the path is empty or already ends in one (as PathAddBackslashW).
    void AddBackslash();
    // Cuts the path at its last backslash (the backslash goes too). False when there is none.
    bool CutAtLastBackslash();

private:
    wchar_t text_[kMaxPath] = {};
    std::size_t length_ = 0;
    bool tooLong_ = false;
};

}  // namespace vh
