#include "app/batch/fresh_tables.h"

#include <memory>

namespace trelvo {
namespace {

// Zero pages from the program loader: the first deck gets its tables without filling the
// 190 KB by hand, which would cost a short run more than its analysis, and only the pages
// the run writes are ever touched.
constinit TrussModel tables;
bool tablesUsed = false;

} // namespace

TrussModel& FreshTables() {
    if (tablesUsed)
        std::construct_at(&tables);
    tablesUsed = true;
    return tables;
}

} // namespace trelvo
