#include "viewer/report_row.h"

#include "engine/decimal_text.h"
#include "engine/number_format.h"

#include <cctype>
#include <cmath>

namespace trelvo::viewer {
namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::size_t CountDigits(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - from;
}

// The layout formatNumber writes: [-]d.ddd E±dd, with "10." in front after a carry.
bool HasReportLayout(std::string_view text) {
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const std::size_t leading = CountDigits(text, at);
    if (leading < 1 || leading > 2)
        return false;
    at += leading;
    if (at >= text.size() || text[at] != '.')
        return false;
    at += 1 + CountDigits(text, at + 1);
    if (text.size() != at + 4 || text[at] != 'E' || (text[at + 1] != '+' && text[at + 1] != '-'))
        return false;
    return CountDigits(text, at + 2) == 2;
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ')
        ++at;
    return at;
}

std::optional<ReportValue> ReadValue(std::string_view line, std::size_t& at) {
    const std::string_view overflow(kOverflowText);
    if (line.substr(at).starts_with(overflow)) {
        at += overflow.size();
        return ReportValue{0.0, true, std::string(overflow)};
    }
    std::size_t end = line.find(' ', at);
    if (end == std::string_view::npos)
        end = line.size();
    const std::string_view token = line.substr(at, end - at);
    const std::optional<double> number = ReadReportNumber(token);
    if (!number)
        return std::nullopt;
    at = end;
    return ReportValue{*number, false, std::string(token)};
}

} // namespace

std::optional<double> ReadReportNumber(std::string_view text) {
    if (!HasReportLayout(text))
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = ReadDecimal(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::vector<ReportValue>> ReadReportRow(std::string_view line, int number,
                                                      std::size_t count, std::string& problem) {
    const std::string expected = std::to_string(number);
    if (!line.starts_with(expected) || line.size() <= expected.size() ||
        line[expected.size()] != ' ') {
        problem = "expected the row of number " + expected;
        return std::nullopt;
    }
    std::vector<ReportValue> values;
    std::size_t at = expected.size();
    while (values.size() < count) {
        at = SkipBlanks(line, at);
        if (at >= line.size()) {
            problem = "expected " + std::to_string(count) + " values, found " +
                      std::to_string(values.size());
            return std::nullopt;
        }
        std::optional<ReportValue> value = ReadValue(line, at);
        if (!value) {
            problem = "value " + std::to_string(values.size() + 1) + " is not a report number";
            return std::nullopt;
        }
        values.push_back(std::move(*value));
    }
    if (SkipBlanks(line, at) != line.size()) {
        problem = "unexpected text after " + std::to_string(count) + " values";
        return std::nullopt;
    }
    return values;
}

} // namespace trelvo::viewer
