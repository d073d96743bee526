#include "app/batch/batch_options.h"

#include "app/batch/deck_input.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>

namespace trelvo {
namespace {

const char* const kUsageLine = "Usage: trelvo-batch [--stdout | --json] DECK...";

const char* const kDescription =
    "Analyses each truss deck as the desktop program's Open and Run analysis do, and\n"
    "writes the deck followed by its results report to the results file (the deck's name\n"
    "cut before its last \".\", followed by \"-RZ.TXT\").";

const char* const kExitStatuses =
    "Exit status: 0 analysed (also when the truss is unstable: the warning goes to\n"
    "standard error, or into the JSON with --json), 1 usage error, 2 a deck was refused\n"
    "or could not be read, 3 a results file (or standard output) could not be written.";

// The usage line first, as the program has always printed it, and the option names
// without CLI11's type and exclusion notes, which the descriptions say in words.
class HelpFormatter : public CLI::Formatter {
public:
    HelpFormatter() { column_width(14); }

    std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode mode) const override {
        return std::string(kUsageLine) + "\n" + app->get_description() + "\n" +
               make_positionals(app) + make_groups(app, mode) + "\n" + app->get_footer() + "\n";
    }
    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_positional() ? "..." : "";
    }
};

struct Flags {
    bool toStdout = false;
    bool json = false;
    std::vector<std::string> decks;
};

std::unique_ptr<CLI::App> MakeApp(Flags& flags) {
    auto app = std::make_unique<CLI::App>(kDescription, "trelvo-batch");
    app->formatter(std::make_shared<HelpFormatter>());
    app->footer(kExitStatuses);
    app->set_help_flag("-h,--help", "show this help");
    app->set_version_flag("--version", "trelvo-batch " TRELVO_VERSION, "show the version");
    // Unknown options are collected and reported by name, as they always were.
    app->allow_extras();
    CLI::Option* toStdout =
        app->add_flag("--stdout", flags.toStdout,
                      "write the text to standard output instead of the results file");
    CLI::Option* json = app->add_flag(
        "--json", flags.json,
        "write one JSON object per deck, one a line, to standard output instead of\n"
        "the results file: the deck's status, message, nodes, elements, equilibrium\n"
        "and misread fields; messages go into it, not to standard error");
    toStdout->disable_flag_override()->excludes(json);
    json->disable_flag_override();
    app->add_option("DECK", flags.decks,
                    "a deck file; \"-\" reads one deck from standard input (with --stdout\n"
                    "or --json only: there is no file to name the results after)");
    return app;
}

// A usage error the parser does not see: a name it took as an option, or decks it cannot
// handle together with the options. Empty when there is none.
std::string UsageError(const CLI::App& app, const Flags& flags) {
    // The extras include the "--" that ended the options, which is no option of its own.
    for (const std::string& extra : app.remaining())
        if (extra != "--")
            return "unknown option " + extra;
    if (flags.decks.empty())
        return "no deck file given";
    const auto fromInput = std::count(flags.decks.begin(), flags.decks.end(), kStandardInputDeck);
    if (fromInput > 0 && !flags.toStdout && !flags.json)
        return "a deck read from standard input (-) needs --stdout or --json";
    if (fromInput > 1)
        return "standard input (-) can be read as one deck only";
    return "";
}

CommandLine Stop(int status, std::string out, std::string err) {
    CommandLine line;
    line.status = status;
    line.out = std::move(out);
    line.err = std::move(err);
    return line;
}

CommandLine UsageFailure(const CLI::App& app, const std::string& error) {
    return Stop(kBatchUsage, "", "trelvo-batch: " + error + "\n" + app.help());
}

} // namespace

CommandLine ParseBatchCommandLine(int argc, const char* const* argv) {
    Flags flags;
    const std::unique_ptr<CLI::App> app = MakeApp(flags);
    try {
        app->parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return Stop(kBatchOk, app->help(), "");
    } catch (const CLI::CallForVersion& version) {
        return Stop(kBatchOk, std::string(version.what()) + "\n", "");
    } catch (const CLI::ParseError& error) {
        return UsageFailure(*app, error.what());
    }
    if (const std::string error = UsageError(*app, flags); !error.empty())
        return UsageFailure(*app, error);

    CommandLine line;
    line.analyse = true;
    line.options.output = flags.json       ? BatchOutput::kJson
                          : flags.toStdout ? BatchOutput::kStdout
                                           : BatchOutput::kResultsFile;
    line.options.decks = std::move(flags.decks);
    return line;
}

} // namespace trelvo
