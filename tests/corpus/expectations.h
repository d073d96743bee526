#pragma once

#include <string>
#include <vector>

namespace trelvo::corpus {

// What a deck of the corpus must give. Read from its .expect file: a line "# why", then
// one expectation a line:
//   exit N          the exit status
//   line TEXT       standard output holds a line exactly TEXT
//   contains TEXT   some line of standard output contains TEXT
//   absent TEXT     no line of standard output contains TEXT
//   stderr TEXT     standard error holds a line exactly TEXT
//   stderr-lines N  standard error has exactly N lines
//   stderr-empty    standard error is empty
//   misread TEXT    a line of standard error holds ":TEXT" (a field read in part, after
//                   the deck's name)
struct Expectation {
    std::string kind;
    std::string text;
};

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::vector<Expectation> ReadExpectations(const std::string& path);

// Empty when the outcome meets the expectation; otherwise what went wrong.
std::string Check(const Expectation& expectation, const Outcome& outcome);

} // namespace trelvo::corpus
