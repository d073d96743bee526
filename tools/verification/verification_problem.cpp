#include "tools/verification/verification_problem.h"

#include "files/read_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string_view>

namespace trelvo::verification {
namespace {

constexpr std::array<std::string_view, 4> kQuantityWords = {"displacement", "force", "stress",
                                                            "reaction"};
constexpr std::string_view kDirections = "XYZ";

std::string ReadProblemFile(const std::string& path) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        throw ProblemFileError(path + ": cannot be read");
    return *bytes;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0; (start = line.find_first_not_of(" \t", start)) != line.npos;) {
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end;
    }
    return words;
}

template <class Number> std::optional<Number> WholeNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> Direction(std::string_view text) {
    if (text.size() != 1 || kDirections.find(text[0]) == kDirections.npos)
        return std::nullopt;
    return static_cast<int>(kDirections.find(text[0]));
}

// "displacement 2 X -8e-5", "force 3 900": nothing when the line is not of that form.
std::optional<ExpectedValue> ReadValueLine(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    const auto word = std::find(kQuantityWords.begin(), kQuantityWords.end(),
                                words.empty() ? std::string_view() : words[0]);
    if (word == kQuantityWords.end())
        return std::nullopt;
    ExpectedValue value;
    value.quantity = static_cast<Quantity>(word - kQuantityWords.begin());
    const bool atNode =
        value.quantity == Quantity::Displacement || value.quantity == Quantity::Reaction;
    if (words.size() != (atNode ? 4u : 3u))
        return std::nullopt;
    const std::optional<int> number = WholeNumber<int>(words[1]);
    const std::optional<int> direction = atNode ? Direction(words[2]) : 0;
    const std::optional<double> amount = WholeNumber<double>(words.back());
    if (!number || *number < 1 || !direction || !amount)
        return std::nullopt;
    value.number = *number;
    value.direction = *direction;
    value.value = *amount;
    value.text = std::string(words.back());
    return value;
}

std::string* DescriptionField(VerificationProblem& problem, const std::string& key) {
    return key == "title"    ? &problem.title
           : key == "tests"  ? &problem.tests
           : key == "source" ? &problem.source
           : key == "units"  ? &problem.units
                             : nullptr;
}

// "key: text" for the description's keys, each but the derivation's lines given once; false
// for any other line.
bool ReadDescriptionLine(VerificationProblem& problem, std::string_view line,
                         std::vector<std::string>& seen) {
    const std::size_t colon = line.find(':');
    if (colon == line.npos)
        return false;
    const std::string key(line.substr(0, colon));
    std::string_view text = line.substr(colon + 1);
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (key == "derivation") {
        problem.derivation.emplace_back(text);
        return true;
    }
    if (text.empty() || std::find(seen.begin(), seen.end(), key) != seen.end())
        return false;
    if (key == "tolerance") {
        const std::optional<double> tolerance = WholeNumber<double>(text);
        if (!tolerance || !(*tolerance > 0.0))
            return false;
        problem.tolerance = *tolerance;
    } else if (std::string* field = DescriptionField(problem, key)) {
        *field = std::string(text);
    } else {
        return false;
    }
    seen.push_back(key);
    return true;
}

} // namespace

std::vector<std::string> VerificationProblemNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".expected")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

VerificationProblem ReadVerificationProblem(const std::string& folder, const std::string& name) {
    VerificationProblem problem;
    problem.name = name;
    problem.deck = ReadProblemFile(folder + "/" + name + ".txt");
    ReadExpectedText(problem, ReadProblemFile(folder + "/" + name + ".expected"));
    return problem;
}

void ReadExpectedText(VerificationProblem& problem, const std::string& text) {
    std::istringstream lines(text);
    std::vector<std::string> seen;
    int lineNumber = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == line.npos || line[0] == '#')
            continue;
        if (std::optional<ExpectedValue> value = ReadValueLine(line))
            problem.expected.push_back(std::move(*value));
        else if (!ReadDescriptionLine(problem, line, seen))
            throw ProblemFileError(problem.name + ".expected:" + std::to_string(lineNumber) +
                                   ": not a value, nor a description given once: " + line);
    }
    if (seen.size() != 5)
        throw ProblemFileError(problem.name +
                               ".expected: title, tests, source, units and tolerance are "
                               "each required");
}

std::string QuantityName(const ExpectedValue& value) {
    static constexpr std::array<const char*, 4> names = {"Displacement", "Force", "Stress",
                                                         "Reaction"};
    const auto index = static_cast<std::size_t>(value.quantity);
    if (value.quantity == Quantity::Force || value.quantity == Quantity::Stress)
        return std::string(names[index]) + ", element " + std::to_string(value.number);
    return std::string(names[index]) + ", node " + std::to_string(value.number) + ", " +
           kDirections[static_cast<std::size_t>(value.direction)];
}

} // namespace trelvo::verification
