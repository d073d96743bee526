// The editor text model driven by a byte-coded sequence of its operations, step by step
// against the plain reference of the same rules.
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/reference_text.h"
#include "text/text_model.h"

#include <cstdint>
#include <string>

namespace {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return position_ >= size_; }
    std::uint8_t Byte() { return AtEnd() ? 0 : data_[position_++]; }
    // Small numbers, now and then -1 or far past the end.
    int Number() {
        const std::uint8_t b = Byte();
        return b == 255 ? -1 : b == 254 ? 100000 : b % 64;
    }
    // A short text drawn from an alphabet rich in line ends.
    std::string Text() {
        static const char kAlphabet[] = {'a', 'b', ' ', '\r', '\n', 'x'};
        std::string text;
        for (int length = Byte() % 8; length > 0; --length)
            text += kAlphabet[Byte() % sizeof kAlphabet];
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

void CheckSame(const trelvo::TextModel& model, const ReferenceText& reference) {
    FUZZ_CHECK(model.GetText() == reference.GetText());
    FUZZ_CHECK(model.LineCount() == reference.LineCount());
    FUZZ_CHECK(model.TextEnd() == reference.TextEnd());
    FUZZ_CHECK(model.TextLength() == reference.GetText().size());
    for (int line = -1; line <= reference.LineCount() + 1; ++line) {
        FUZZ_CHECK(model.LineStart(line) == reference.LineStart(line));
        FUZZ_CHECK(model.GetLine(line) == reference.GetLine(line));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    trelvo::TextModel model;
    ReferenceText reference;
    for (int step = 0; step < 64 && !input.AtEnd(); ++step) {
        switch (input.Byte() % 5) {
        case 0: {
            const std::string text = input.Text();
            model.SetText(text);
            reference.SetText(text);
            break;
        }
        case 1: {
            const int line = input.Number();
            const std::string text = input.Text();
            model.InsertLine(line, text);
            reference.InsertLine(line, text);
            break;
        }
        case 2: {
            const int start = input.Number();
            const int end = input.Number();
            model.SelectRange(start, end);
            reference.SelectRange(start, end);
            break;
        }
        default: {
            const std::string text = input.Text();
            model.ReplaceSelection(text);
            reference.ReplaceSelection(text);
            break;
        }
        }
        CheckSame(model, reference);
    }
    return 0;
}
