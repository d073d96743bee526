#include "viewer/report_reader.h"

#include "viewer/report_row.h"

#include <string_view>

namespace trelvo::viewer {
namespace {

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool IsBlankLine(const std::string& line) {
    return TrimRight(line).empty();
}

// Walks the lines of one report, stopping at the first that is not as expected.
class ReportCursor {
  public:
    ReportCursor(const std::vector<std::string>& lines, std::size_t first)
        : lines_(lines), next_(first) {}

    bool ExpectSectionStart(const char* heading) {
        if (!Available(2))
            return false;
        if (!IsBlankLine(lines_[next_])) {
            Fail("expected a blank line before \"" + std::string(heading) + "\"");
            return false;
        }
        if (TrimRight(lines_[next_ + 1]) != heading) {
            ++next_;
            Fail("expected the heading \"" + std::string(heading) + "\"");
            return false;
        }
        next_ += 2;
        return true;
    }

    std::optional<std::vector<ReportValue>> Row(int number, std::size_t count) {
        if (!Available(1))
            return std::nullopt;
        std::string problem;
        auto values = ReadReportRow(lines_[next_], number, count, problem);
        if (!values) {
            Fail(problem);
            return std::nullopt;
        }
        ++next_;
        return values;
    }

    std::optional<ReportDamage> damage;

  private:
    bool Available(std::size_t count) {
        if (next_ + count <= lines_.size())
            return true;
        next_ = lines_.size();
        Fail("the report ends too early");
        return false;
    }
    void Fail(const std::string& problem) {
        damage = ReportDamage{static_cast<int>(next_) + 1, problem};
    }

    const std::vector<std::string>& lines_;
    std::size_t next_;
};

bool ReadDisplacements(ReportCursor& cursor, int nodeCount, ReportSections& sections) {
    if (!cursor.ExpectSectionStart(kDisplacementHeading))
        return false;
    for (int node = 1; node <= nodeCount; ++node) {
        auto values = cursor.Row(node, 3);
        if (!values)
            return false;
        sections.displacements.push_back({(*values)[0], (*values)[1], (*values)[2]});
    }
    return true;
}

bool ReadElementResults(ReportCursor& cursor, int elementCount, ReportSections& sections) {
    if (!cursor.ExpectSectionStart(kElementHeading))
        return false;
    for (int element = 1; element <= elementCount; ++element) {
        auto values = cursor.Row(element, 2);
        if (!values)
            return false;
        sections.elements.push_back({(*values)[0], (*values)[1]});
    }
    return true;
}

} // namespace

bool ReportStartsAt(const std::vector<std::string>& lines, std::size_t first) {
    return first + 1 < lines.size() && IsBlankLine(lines[first]) &&
           TrimRight(lines[first + 1]) == kDisplacementHeading;
}

int CountReports(const std::vector<std::string>& lines, std::size_t first) {
    int count = 0;
    for (std::size_t i = first; i < lines.size(); ++i)
        if (ReportStartsAt(lines, i))
            ++count;
    return count;
}

ReportReading ReadReportAt(const std::vector<std::string>& lines, std::size_t first, int nodeCount,
                           int elementCount) {
    ReportCursor cursor(lines, first);
    ReportSections sections;
    if (ReadDisplacements(cursor, nodeCount, sections) &&
        ReadElementResults(cursor, elementCount, sections))
        return ReportReading{std::move(sections), std::nullopt};
    return ReportReading{std::nullopt, cursor.damage};
}

} // namespace trelvo::viewer
