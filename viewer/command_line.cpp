#include "viewer/command_line.h"

namespace trelvo::viewer {

std::string DocumentArgument(const std::vector<std::string>& arguments) {
    std::string document;
    for (std::size_t i = 1; i < arguments.size(); ++i)
        document += (i > 1 ? " " : "") + arguments[i];
    return document;
}

} // namespace trelvo::viewer
