// Whole analyses as the user meets them: read the deck file, assemble, solve and write the
// report into a document that holds the deck; and the command-line program end to end.
#include "bench/bench_decks.h"
#include "text/deck_document.h"
#include "files/read_file.h"
#include "engine/run_analysis.h"
#include "text/text_model.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace trelvo;

const std::string kHelpExample = std::string(TRELVO_SOURCE_DIR) + "/examples/help-example.txt";

void AnalyseFile(benchmark::State& state, const std::string& path) {
    const auto model = std::make_unique<TrussModel>();
    const LoadedDocument document = ReadDocumentLines(*ReadWholeFile(path));
    for (auto _ : state) {
        TextModel editor;
        PutDocumentText(document, editor);
        const AnalysisOutcome outcome = AnalyseDeckFile(*model, path, editor);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(editor.TextEnd());
    }
}

void BM_HelpExampleInProcess(benchmark::State& state) { AnalyseFile(state, kHelpExample); }

void BM_FiftyNodeSpaceDeckInProcess(benchmark::State& state) {
    static const std::string path =
        bench::WriteTemporaryDeck("trelvo-bench-50.txt", bench::FiftyNodeSpaceDeck());
    AnalyseFile(state, path);
}

int RunBatch(const std::string& deck) {
    const char* program = TRELVO_BATCH_PROGRAM;
    std::string stdoutFlag = "--stdout";
    std::string deckArgument = deck;
    char* argv[] = {const_cast<char*>(program), stdoutFlag.data(), deckArgument.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = -1;
    if (spawned == 0)
        waitpid(child, &status, 0);
    return status;
}

void BM_BatchProcessHelpExample(benchmark::State& state) {
    for (auto _ : state)
        if (RunBatch(kHelpExample) != 0)
            state.SkipWithError("trelvo-batch failed");
}

} // namespace

BENCHMARK(BM_HelpExampleInProcess);
BENCHMARK(BM_FiftyNodeSpaceDeckInProcess)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BatchProcessHelpExample)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
