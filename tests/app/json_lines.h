#pragma once

// Reading what trelvo-batch --json prints.

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace trelvo {

using Json = nlohmann::json;

// Every line of the output, each parsed on its own: one object a line, nothing else.
inline std::vector<Json> JsonLines(const std::string& out) {
    std::vector<Json> objects;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        objects.push_back(Json::parse(line));
    EXPECT_TRUE(out.empty() || out.back() == '\n') << "the last line ends in LF";
    return objects;
}

// The object of a run on a single deck.
inline Json OnlyObject(const std::string& out) {
    const std::vector<Json> objects = JsonLines(out);
    EXPECT_EQ(objects.size(), 1u) << out;
    return objects.empty() ? Json::object() : objects.front();
}

} // namespace trelvo
