#pragma once

// Runs the real trelvo-batch program on files in a temporary folder of each test's own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace trelvo {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct BatchResult {
    int status = -1;
    std::string out;
    std::string err;
};

class BatchProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-');
        folder_ = fs::temp_directory_path() /
                  ("trelvo-batch-" + std::to_string(::getpid()) + "-" + test);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Standard input is `input` when given, otherwise empty.
    BatchResult Run(const std::vector<std::string>& arguments,
                    const std::optional<std::string>& input = std::nullopt) const {
        std::string command = Quoted(TRELVO_BATCH_PROGRAM);
        for (const std::string& argument : arguments)
            command += " " + Quoted(argument);
        const fs::path out = folder_ / "stdout.bin";
        const fs::path err = folder_ / "stderr.bin";
        const fs::path in = folder_ / "stdin.bin";
        if (input)
            WriteBytes(in, *input);
        command += " >" + Quoted(out.string()) + " 2>" + Quoted(err.string()) + " <" +
                   (input ? Quoted(in.string()) : std::string("/dev/null"));
        const int raw = std::system(command.c_str());
        BatchResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = ReadBytes(out);
        result.err = ReadBytes(err);
        fs::remove(out);
        fs::remove(err);
        fs::remove(in);
        return result;
    }

    fs::path Deck(const std::string& name, const std::string& bytes) const {
        const fs::path path = folder_ / name;
        WriteBytes(path, bytes);
        return path;
    }

    fs::path folder_;
};

inline fs::path HelpExamplePath() {
    return fs::path(TRELVO_SOURCE_DIR) / "examples" / "help-example.txt";
}

} // namespace trelvo
