// The small rules under the windows: line ends as the rich edit control keeps them, the
// characters of single-byte text, menu texts and accelerators from the command table,
// and where a file requester starts.
#include "win32/editor/commands_ui.h"
#include "files/document_characters.h"
#include "win32/common/file_requester.h"
#include "win32/editor/wide_text.h"

#include <gtest/gtest.h>

#include <set>

namespace trelvo::win32 {
namespace {

TEST(ParagraphTextTest, EveryLineEndBecomesOneCr) {
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},           {"ab", "ab"},         {"a\r\nb", "a\rb"}, {"a\nb", "a\rb"},
        {"a\rb", "a\rb"},   {"a\r\r\nb", "a\r\rb"}, {"\n\n", "\r\r"}, {"a\r\n", "a\r"},
        {"\t\xE9", "\t\xE9"}};
    for (const auto& [text, paragraphs] : rows)
        EXPECT_EQ(ParagraphText(text), paragraphs) << text;
}

// A single-byte code page gives its own characters; a multi-byte one (Japanese, UTF-8)
// leaves the editor Latin-1, so that every byte is still one character of its own.
TEST(CodePageTest, CharactersOfSingleAndMultiByteCodePages) {
    const struct {
        unsigned codePage;
        unsigned char byte;
        char32_t character;
    } rows[] = {{1252, 0x80, 0x20AC}, {1252, 0xE9, 0xE9},   {1252, 0x41, 0x41}, {1253, 0xC4, 0x0394},
                {1251, 0xC4, 0x0414}, {932, 0x80, 0x80},     {932, 0xC4, 0xC4},  {65001, 0xDC, 0xDC},
                {65001, 0x9D, 0x9D}};
    for (const auto& row : rows)
        EXPECT_EQ(CharactersOfCodePage(row.codePage)[row.byte], row.character)
            << row.codePage << " " << static_cast<int>(row.byte);
    for (const unsigned codePage : {1252u, 1253u, 932u, 65001u}) {
        const CharacterTable table = CharactersOfCodePage(codePage);
        EXPECT_EQ(std::set<char32_t>(table.begin(), table.end()).size(), 256u) << codePage;
    }
}

// The tests run with the Western code page 1252, and again with the Japanese one (932,
// multi-byte), where the editor's characters are Latin-1: every byte opens and saves as
// itself on both.
TEST(CodePageTest, EveryByteIsOneCharacterBothWays) {
    ASSERT_TRUE(::GetACP() == 1252u || ::GetACP() == 932u) << ::GetACP();
    const bool western = ::GetACP() == 1252u;
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes += static_cast<char>(b);
    EXPECT_EQ(DocumentBytes(WideText(bytes)), bytes);
    EXPECT_EQ(WideText("\x80\xE9"), western ? L"\u20AC\u00E9" : L"\u0080\u00E9");
    const std::pair<wchar_t, bool> rows[] = {
        {L'a', true},       {L'\u00E9', true},  {L'\u20AC', western}, // the euro sign is 0x80 in 1252
        {L'\u4E2D', false}, {L'\u0101', false}, {0xD83D, false},   {0xDE00, false}};
    for (const auto& [character, held] : rows)
        EXPECT_EQ(IsDocumentCharacter(character), held) << static_cast<int>(character);
}

TEST(CodePageTest, FirstUnencodableCharacterOfAText) {
    EXPECT_EQ(FirstUnencodable(L"plain \u00E9\u00FF"), std::nullopt);
    EXPECT_EQ(FirstUnencodable(L"a\u4E2Db\u0101"), char32_t{0x4E2D});
    EXPECT_EQ(FirstUnencodable(L"a\U0001F600"), char32_t{0x1F600}); // a pair is one character
    EXPECT_EQ(FirstUnencodable(std::wstring(1, wchar_t(0xDE00))), char32_t{0xDE00});
}

TEST(MenuTextTest, LabelTabAndShortcut) {
    EXPECT_EQ(MenuText(CommandInfoOf(CommandId::New)), "&New\tCTRL+N");
    EXPECT_EQ(MenuText(CommandInfoOf(CommandId::FindNext)), "Find &Next\tF3");
    EXPECT_EQ(MenuText(CommandInfoOf(CommandId::SaveAs)), "Save &As");
}

TEST(AcceleratorOfTest, PortableKeyNames) {
    const struct {
        const char* key;
        BYTE flags;
        WORD virtualKey;
    } rows[] = {{"Ctrl+N", FVIRTKEY | FCONTROL, 'N'}, {"Ctrl+Z", FVIRTKEY | FCONTROL, 'Z'},
                {"F1", FVIRTKEY, VK_F1},             {"F3", FVIRTKEY, VK_F3},
                {"F12", FVIRTKEY, VK_F12},           {"Escape", FVIRTKEY, VK_ESCAPE}};
    for (const auto& row : rows) {
        const std::optional<ACCEL> accelerator = AcceleratorOf(row.key, CommandId::Find);
        ASSERT_TRUE(accelerator) << row.key;
        EXPECT_EQ(accelerator->fVirt, row.flags) << row.key;
        EXPECT_EQ(accelerator->key, row.virtualKey) << row.key;
        EXPECT_EQ(accelerator->cmd, static_cast<WORD>(CommandId::Find)) << row.key;
    }
    for (const char* unknown : {"", "Ctrl+", "Ctrl+n", "F0", "F25", "Fx", "Alt+N"})
        EXPECT_FALSE(AcceleratorOf(unknown, CommandId::Find)) << unknown;
}

TEST(SplitDefaultTextTest, FolderAndFileName) {
    const struct {
        const char* text;
        const char* folder;
        const char* fileName;
    } rows[] = {
        {"C:\\work\\", "C:\\work", ""},
        {"C:\\work/deck.txt", "C:\\work", "deck.txt"},
        {"C:\\work/C:\\decks\\bridge.txt", "C:\\work/C:\\decks", "bridge.txt"},
        {"deck.txt", "", "deck.txt"},
        {"C:\\work\\a?b", "C:\\work", ""}, // not a file name: not pre-filled
    };
    for (const auto& row : rows) {
        const RequesterStart start = SplitDefaultText(row.text);
        EXPECT_EQ(start.folder, row.folder) << row.text;
        EXPECT_EQ(start.fileName, row.fileName) << row.text;
    }
}

} // namespace
} // namespace trelvo::win32
