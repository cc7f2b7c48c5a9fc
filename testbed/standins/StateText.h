// A text of key=value lines that keeps its other lines (comments, blanks) and its order when it is
// written back, so a test's own notes in the file survive the stand-ins' updates.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vh::standins {

class StateText {
public:
    // Lines end with "\n" or "\r\n"; "#" starts a comment; key and value are trimmed of blanks.
    static StateText Parse(std::string_view text);

    // The value of the first line with this key.
    std::optional<std::string_view> Find(std::string_view key) const;

    // Replaces the first line with this key, or appends one.
    void Set(std::string_view key, std::string_view value);

    // Every line followed by "\n".
    std::string Format() const;

private:
    struct Line {
        std::string text;   // as written in the file
        std::string key;    // empty for lines that are not entries
        std::string value;
    };
    std::vector<Line> lines_;
};

}  // namespace vh::standins
