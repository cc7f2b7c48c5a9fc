#include "testbed/standins/StateText.h"

namespace vh::standins {
namespace {

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

}  // namespace

StateText StateText::Parse(std::string_view text) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";  // left by some Windows editors
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    StateText result;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        Line parsed{std::string(line), {}, {}};
        const std::string_view content = Trim(line);
        const std::size_t equals = content.find('=');
        if (!content.starts_with('#') && equals != std::string_view::npos) {
            parsed.key = Trim(content.substr(0, equals));
            parsed.value = Trim(content.substr(equals + 1));
        }
        result.lines_.push_back(std::move(parsed));
    }
    return result;
}

std::optional<std::string_view> StateText::Find(std::string_view key) const {
    for (const Line& line : lines_) {
        if (!line.key.empty() && line.key == key) {
            return line.value;
        }
    }
    return std::nullopt;
}

void StateText::Set(std::string_view key, std::string_view value) {
    std::string text = std::string(key) + "=" + std::string(value);
    for (Line& line : lines_) {
        if (!line.key.empty() && line.key == key) {
            line.value = value;
            line.text = std::move(text);
            return;
        }
    }
    lines_.push_back(Line{std::move(text), std::string(key), std::string(value)});
}

std::string StateText::Format() const {
    std::string text;
    for (const Line& line : lines_) {
        text += line.text;
        text += '\n';
    }
    return text;
}

}  // namespace vh::standins
