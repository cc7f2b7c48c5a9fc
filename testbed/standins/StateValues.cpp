#include "testbed/standins/StateValues.h"

#include <charconv>

namespace vh::standins {
namespace {

template <typename Number>
std::optional<Number> ParseWhole(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// Splits at any of the separators, dropping the blanks around each piece.
std::vector<std::string_view> SplitItems(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> items;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(separators);
        std::string_view item = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        while (item.starts_with(' ') || item.starts_with('\t')) {
            item.remove_prefix(1);
        }
        while (item.ends_with(' ') || item.ends_with('\t')) {
            item.remove_suffix(1);
        }
        items.push_back(item);
    }
    return items;
}

}  // namespace

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    return ParseWhole<std::int32_t>(text, 10);
}

std::optional<std::uint8_t> ParseHexByte(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
    }
    if (text.size() > 2) {
        return std::nullopt;
    }
    return ParseWhole<std::uint8_t>(text, 16);
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    for (std::string_view item : SplitItems(text, " \t,")) {
        if (item.empty()) {
            continue;  // runs of separators, as in "00  D8"
        }
        const std::optional<std::uint8_t> byte = ParseHexByte(item);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

std::optional<std::vector<std::int32_t>> ParseDecimalList(std::string_view text) {
    std::vector<std::int32_t> numbers;
    if (text.empty()) {
        return numbers;
    }
    for (std::string_view item : SplitItems(text, ",")) {
        const std::optional<std::int32_t> number = ParseDecimal(item);
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    return numbers;
}

std::string FormatHexByte(std::uint8_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

}  // namespace vh::standins
