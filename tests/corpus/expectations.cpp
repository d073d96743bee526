#include "tests/corpus/expectations.h"

#include "text/text_model.h"

#include <algorithm>
#include <fstream>

namespace trelvo::corpus {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    if (text.empty())
        return {};
    std::vector<std::string> lines = SplitLines(text);
    if (lines.back().empty())
        lines.pop_back();
    return lines;
}

bool AnyLine(const std::string& text, const std::string& wanted, bool whole) {
    const std::vector<std::string> lines = Lines(text);
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return whole ? line == wanted : line.find(wanted) != std::string::npos;
    });
}

} // namespace

std::vector<Expectation> ReadExpectations(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<Expectation> expectations;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t blank = line.find(' ');
        expectations.push_back(blank == std::string::npos
                                   ? Expectation{line, ""}
                                   : Expectation{line.substr(0, blank), line.substr(blank + 1)});
    }
    return expectations;
}

std::string Check(const Expectation& e, const Outcome& outcome) {
    const std::string quoted = " \"" + e.text + "\"";
    if (e.kind == "exit")
        return std::to_string(outcome.status) == e.text
                   ? "" : "exit status " + std::to_string(outcome.status) + ", expected " + e.text;
    if (e.kind == "line")
        return AnyLine(outcome.out, e.text, true) ? "" : "no output line" + quoted;
    if (e.kind == "contains")
        return AnyLine(outcome.out, e.text, false) ? "" : "no output line contains" + quoted;
    if (e.kind == "absent")
        return AnyLine(outcome.out, e.text, false) ? "an output line contains" + quoted : "";
    if (e.kind == "stderr")
        return AnyLine(outcome.err, e.text, true) ? "" : "no message line" + quoted;
    if (e.kind == "misread") // after the deck's name, as compilers name a line
        return AnyLine(outcome.err, ":" + e.text, false) ? "" : "no misread field" + quoted;
    if (e.kind == "stderr-lines")
        return std::to_string(Lines(outcome.err).size()) == e.text
                   ? "" : "message has " + std::to_string(Lines(outcome.err).size()) + " lines";
    if (e.kind == "stderr-empty")
        return outcome.err.empty() ? "" : "unexpected message: " + outcome.err;
    return "unknown expectation " + e.kind;
}

} // namespace trelvo::corpus
