// trelvo-batch --json against --stdout on the 50-node, 50-element deck, in process: the
// whole of one deck's work in each mode (read the file, analyse, write to a stream that
// discards), without the program's start. The two modes take turns, so that a slow spell
// of the machine falls on both; the medians are compared.
#include "app/batch/batch_run.h"
#include "bench/bench_decks.h"
#include "bench/bench_timing.h"

#include <cstdio>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

using namespace trelvo;

constexpr int kRuns = 501;

// Standard output sent to /dev/null: every byte accepted, none kept.
class DiscardingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

struct Mode {
    const char* name;
    BatchOutput output;
    std::vector<double> milliseconds;
    bool failed = false;
};

void RunInTurns(const std::string& deck, std::vector<Mode>& modes) {
    DiscardingBuffer discard;
    std::ostream out(&discard);
    std::ostream messages(&discard);
    for (int run = 0; run < kRuns; ++run)
        for (Mode& mode : modes) {
            BatchStatus status = kBatchOk;
            mode.milliseconds.push_back(bench::MedianMilliseconds(1, [&] {
                status = AnalyseDeckFile(deck, mode.output, out, messages);
            }));
            mode.failed |= status != kBatchOk;
        }
}

} // namespace

int main() {
    const std::string deck =
        bench::WriteTemporaryDeck("trelvo-bench-json-50.txt", bench::FiftyNodeSpaceDeck());
    std::vector<Mode> modes{{"--stdout", BatchOutput::kStdout, {}},
                            {"--json", BatchOutput::kJson, {}}};
    RunInTurns(deck, modes);
    for (const Mode& mode : modes)
        if (mode.failed) {
            std::fprintf(stderr, "bench_json: %s did not analyse the deck\n", mode.name);
            return 1;
        }
    std::printf("medians of %d runs each, taking turns, in process\n", kRuns);
    bench::ReportRatio("trelvo-batch --json vs --stdout, 50-node deck",
                       bench::Median(modes[1].milliseconds), bench::Median(modes[0].milliseconds),
                       "ratio <= 1.5");
    return 0;
}
