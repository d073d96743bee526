#include "editor/status_bar_text.h"

#include <cstdio>

namespace trelvo {

std::string ClockFieldText(const LocalTime& now) {
    char text[40];
    std::snprintf(text, sizeof text, "  %02d/%02d/%04d %02d:%02d", now.month, now.day, now.year,
                  now.hour, now.minute);
    return text;
}

std::string DocumentFieldText(const std::string& fileName, std::size_t textLength) {
    return fileName + " " + std::to_string(textLength) + " chars ";
}

} // namespace trelvo
