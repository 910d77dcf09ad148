#include "entries/EntryList.h"
#include "entries/FieldReader.h"
#include "entries/LoadEntryList.h"
#include "entries/MediaPath.h"
#include "entries/TextDecoding.h"
#include "tests/support/Fakes.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const std::string InfoFileError
    = "An error occured while opening the information-file bundled with this StartupProgram.\n\n"
      "If the problem has occured while starting from a CD received by Varnholt\n"
      "please contact us at phone +45 00 00 00 00 or mail support@varnholt.example";

// Loads the list from an info.txt with this content in /media/cdrom.
struct Loaded
{
    EntryList list;
    FakeMessageBoxes boxes;
    FakeFileReader files;

    explicit Loaded(std::optional<std::string> content)
    {
        if (content)
            files.files["/media/cdrom/info.txt"] = *content;
        TextTable texts;
        FillTextTable(texts);
        list = LoadEntryList("/media/cdrom", '/', texts, TextTable::English, boxes, files);
    }
};

} // namespace

TEST(FieldReader, SplitsFields)
{
    struct Row
    {
        std::string name, text;
        std::vector<std::string> fields;
    };
    const std::vector<Row> rows {
        {"one per line, quoted pairs, CR LF",
         "2\r\n\"a.htm\",\"First\"\r\n\"b.pdf\",\"Second\"\r\n",
         {"2", "a.htm", "First", "b.pdf", "Second"}},
        {"LF only", "1\n\"a\",\"b\"\n", {"1", "a", "b"}},
        {"CR only", "1\r\"a\",\"b\"\r", {"1", "a", "b"}},
        {"quoted comma stays", "\"x, y\",z", {"x, y", "z"}},
        {"unquoted comma splits", "x, y", {"x", "y"}},
        {"blanks around unquoted fields", "  a b  ,\t c \n", {"a b", "c"}},
        {"blanks inside quotes kept", "\"  a  \"", {"  a  "}},
        {"blank lines skipped", "1\n\n\n\"a\"\n\n\"b\"", {"1", "a", "b"}},
        {"empty field between commas", "a,,b", {"a", "", "b"}},
        {"trailing comma gives an empty field", "a,\nb", {"a", "", "b"}},
        {"comma at the very end gives an empty field", "a,", {"a", ""}},
        {"text after closing quote dropped", "\"a\"xyz,b", {"a", "b"}},
        {"unterminated quote takes the rest", "\"a,b\nc", {"a,b\nc"}},
        {"backslash is an ordinary character", "docs\\manual.pdf", {"docs\\manual.pdf"}},
        {"empty text", "", {}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        FieldReader reader(r.text);
        std::vector<std::string> seen;
        while (const std::optional<std::string> field = reader.next()) {
            seen.push_back(*field);
            ASSERT_LT(seen.size(), 100u) << "the reader does not end";
        }
        EXPECT_EQ(seen, r.fields);
    }
}

TEST(TextDecoding, Utf8IsKeptAnythingElseIsWindows1252)
{
    struct Row
    {
        std::string name, bytes;
        bool validUtf8;
        std::string text;
    };
    const std::string vaelg = "Vælg én fil – på dansk";
    const std::vector<Row> rows {
        {"plain ASCII", "abc", true, "abc"},
        {"UTF-8", vaelg, true, vaelg},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" + vaelg, true, vaelg},
        {"four-byte UTF-8, the highest code point", "\xF4\x8F\xBF\xBF", true, "\xF4\x8F\xBF\xBF"},
        {"Windows-1252", "V\xE6lg \xE9n fil \x96 p\xE5 dansk", false, vaelg},
        {"euro and quotes", "\x80 \x93x\x94", false, "€ “x”"},
        {"byte-order mark before Windows-1252 is text", "\xEF\xBB\xBF\xE6", false, "ï»¿æ"},
        {"stray continuation byte", "a\x80", false, "a€"},
        {"lead byte at the end", "a\xC3", false, "aÃ"},
        {"lead byte before ASCII", "\xC3(", false, "Ã("},
        {"overlong two bytes", "\xC0\xAF", false, "À¯"},
        {"overlong three bytes", "\xE0\x80\xAF", false, "à€¯"},
        {"surrogate", "\xED\xA0\x80", false, "í\xC2\xA0€"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false, "ô\xC2\x90€€"},
        {"F8 and above never lead", "\xF8\xFF", false, "øÿ"},
        {"UTF-16 LE after its mark", "\xFF\xFEV\0\xE6\0l\0g\0"s, false, "Vælg"},
        {"UTF-16 BE: a pair, half a pair, an odd last byte", "\xFE\xFF\xD8\x3D\xDE\x00\xDC\x00\x00"s, false,
         "\U0001F600\uFFFD\uFFFD"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(isValidUtf8(r.bytes), r.validUtf8);
        EXPECT_EQ(decodeInformationText(r.bytes), r.text);
    }
    // UTF-16 without a mark is told apart, not read as such.
    EXPECT_TRUE(looksLikeUnmarkedUtf16("1\0\r\0\n\0\"\0a\0\"\0"s));
    EXPECT_TRUE(looksLikeUnmarkedUtf16("\0\x31\0\r\0\n\0\"\0a\0\""s));
    EXPECT_FALSE(looksLikeUnmarkedUtf16("\xFF\xFE\x31\0"s));
    EXPECT_FALSE(looksLikeUnmarkedUtf16("2\r\n\"a\0b\",\"c\0\"\r\n\0,\0\r\n"s));
}

TEST(TextDecoding, Windows1252TableAndUtf8Encoding)
{
    // 0x80..0x9F, the five unassigned bytes kept as the same code points.
    std::string high;
    for (int b = 0x80; b < 0xA0; ++b)
        high += char(b);
    EXPECT_EQ(fromWindows1252(high), "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    // 0x00..0x7F and 0xA0..0xFF are Latin-1.
    for (int b = 0; b < 0x100; ++b) {
        if (b >= 0x80 && b < 0xA0)
            continue;
        const std::string expected
            = b < 0x80 ? std::string(1, char(b)) : std::string {char(0xC0 | (b >> 6)), char(0x80 | (b & 0x3F))};
        EXPECT_EQ(fromWindows1252(std::string(1, char(b))), expected) << "byte " << b;
    }

    struct Row
    {
        char32_t codePoint;
        std::string utf8;
    };
    const std::vector<Row> rows {
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(std::to_string(r.codePoint));
        std::string out = "x";
        appendUtf8(out, r.codePoint);
        EXPECT_EQ(out, "x" + r.utf8);
    }
}

TEST(EntryList, PositionsAndCapacity)
{
    EntryList list;
    EXPECT_EQ(list.count(), 0);
    list.setCount(-4);
    EXPECT_EQ(list.usableCount(), 0);
    list.setCount(1001);
    EXPECT_EQ(list.usableCount(), 1000);
    list.setEntry(1000, "f", "d");
    EXPECT_EQ(list.file(1000), "f");
    EXPECT_EQ(list.description(1000), "d");
    EXPECT_THROW(list.file(1001), std::out_of_range);
    EXPECT_THROW(list.description(-1), std::out_of_range);
    EXPECT_THROW(list.setEntry(1001, "f", "d"), std::out_of_range);
}

TEST(LoadEntryList, ParseEntryCount)
{
    struct Row
    {
        std::string field;
        std::optional<std::int16_t> count;
    };
    const std::vector<Row> rows {
        {"0", 0},
        {"+5", 5},
        {" 7\t", 7},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"40000", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"three", std::nullopt},
        {"1.5", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.field);
        EXPECT_EQ(parseEntryCount(r.field), r.count);
    }
}

TEST(LoadEntryList, ReadsInfoTxtBesideTheProgram)
{
    struct Row
    {
        std::string name;
        std::optional<std::string> content; // nothing: no file
        int count;
        std::vector<std::string> entries; // "file|description" for positions 1..n
        std::size_t messages;
    };
    const std::vector<Row> rows {
        {"no file: the open and the count fail", std::nullopt, 0, {}, 2},
        {"empty file", "", 0, {}, 1},
        {"count 0", "0\r\n\"a\",\"b\"\r\n", 0, {}, 0},
        {"negative count", "-4\r\n\"a\",\"b\"\r\n", -4, {}, 0},
        {"count 3 with five entries",
         "3\r\n\"1\",\"one\"\r\n\"2\",\"two\"\r\n\"3\",\"three\"\r\n\"4\",\"four\"\r\n\"5\",\"five\"\r\n",
         3,
         {"1|one", "2|two", "3|three"},
         0},
        {"quoted commas", "1\n\"a.htm\",\"Prices, terms and more\"\n", 1, {"a.htm|Prices, terms and more"}, 0},
        {"unquoted comma splits the description",
         "2\n\"a.htm\",Prices, terms\n\"b\",\"c\"\n",
         2,
         {"a.htm|Prices", "terms|b"},
         0},
        {"CR line ends", "1\r\"a\",\"b\"\r", 1, {"a|b"}, 0},
        {"short of its count: one message", "5\r\n\"a\",\"A\"\r\n\"b\"\r\n", 5, {"a|A", "b|"}, 1},
        {"count not a number", "three\r\n\"a\",\"b\"\r\n", 0, {}, 1},
        {"quoted count", "\"1\"\r\n\"a\",\"b\"\r\n", 1, {"a|b"}, 0},
        {"Windows-1252 Danish",
         "1\r\n\"l\xE6s mig.txt\",\"V\xE6lg \xF8l og \xE5l\"\r\n",
         1,
         {"læs mig.txt|Vælg øl og ål"},
         0},
        {"UTF-8 Danish", "1\r\n\"læs mig.txt\",\"Vælg øl og ål\"\r\n", 1, {"læs mig.txt|Vælg øl og ål"}, 0},
        {"backslash in a file field is kept",
         "1\r\n\"Docs\\Manual.PDF\",\"Manual\"\r\n",
         1,
         {"Docs\\Manual.PDF|Manual"},
         0},
        {"NUL bytes are text", "2\r\n\"a\0b\",\"c\0\"\r\n\0,\0\r\n"s, 2, {"a\0b|c\0"s, "\0|\0"s}, 0},
        {"unterminated quote", "2\r\n\"a\",\"b\r\n\"c\",d", 2, {"a|b\r\n", "d|"}, 1},
        {"UTF-16 LE with its mark", "\xFF\xFE\x31\0\r\0\n\0\"\0\xE6\0\"\0,\0\"\0\xF8\0\"\0"s, 1, {"æ|ø"}, 0},
        {"UTF-16 BE with its mark", "\xFE\xFF\0\x31\0,\0a\0,\x03\xA9"s, 1, {"a|Ω"}, 0},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const Loaded loaded(r.content);
        EXPECT_EQ(loaded.files.reads, std::vector<std::string> {"/media/cdrom/info.txt"});
        EXPECT_EQ(loaded.list.count(), r.count);
        for (std::size_t i = 0; i < r.entries.size(); ++i)
            EXPECT_EQ(loaded.list.file(int(i) + 1) + '|' + loaded.list.description(int(i) + 1), r.entries[i]);
        int filledBeyond = 0;
        for (int i = int(r.entries.size()) + 1; i <= EntryList::Capacity; ++i)
            filledBeyond += !loaded.list.file(i).empty() || !loaded.list.description(i).empty();
        EXPECT_EQ(filledBeyond, 0);
        EXPECT_TRUE(loaded.list.file(0).empty());
        EXPECT_EQ(loaded.boxes.shown.size(), r.messages);
        for (const FakeMessageBoxes::Shown &box : loaded.boxes.shown) {
            EXPECT_EQ(box.icon, MessageBoxes::Icon::Stop);
            EXPECT_EQ(box.buttons, MessageBoxes::Buttons::Ok);
            EXPECT_EQ(box.title, "ERROR");
            EXPECT_EQ(box.text, InfoFileError);
        }
    }
}

TEST(LoadEntryList, LargeAndHostileFiles)
{
    struct Row
    {
        std::string name, content;
        int count, usable;
        std::size_t messages;
        std::string lastDescription; // at the last usable position
    };
    std::string garbage(4096, '\0');
    std::uint32_t seed = 12345;
    for (char &c : garbage) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 24);
    }
    std::string overCapacity = "1001\r\n";
    for (int i = 1; i <= 1001; ++i)
        overCapacity += "\"f" + std::to_string(i) + "\",\"d" + std::to_string(i) + "\"\r\n";
    std::string thousand = "1000\r\n";
    for (int i = 1; i <= 1000; ++i)
        thousand += "\"f" + std::to_string(i) + "\",\"" + std::string(10000, 'd') + "\"\r\n";
    const std::size_t mb = std::size_t(1024) * 1024;

    const std::vector<Row> rows {
        {"binary garbage", garbage, 0, 0, 1, ""},
        {"1001 entries: 1000 kept, one message", overCapacity, 1001, 1000, 1, "d1000"},
        {"the largest count and no entries: one message", "32767\r\n", 32767, 1000, 1, ""},
        {"50 MB long", "3\r\n\"a\",\"A\"\r\n\"b\",\"B\"\r\n\"c\",\"C\"\r\n" + std::string(50 * mb, 'z'), 3, 3, 0, "C"},
        {"one line of 10 MB", "1\r\n\"a\",\"" + std::string(10 * mb, 'x') + "\"\r\n", 1, 1, 0,
         std::string(10 * mb, 'x')},
        {"1000 entries of 10000 characters", thousand, 1000, 1000, 0, std::string(10000, 'd')},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const Loaded loaded(r.content);
        EXPECT_EQ(loaded.list.count(), r.count);
        EXPECT_EQ(loaded.list.usableCount(), r.usable);
        EXPECT_EQ(loaded.boxes.shown.size(), r.messages);
        const std::string &last = loaded.list.description(r.usable);
        EXPECT_TRUE(last == r.lastDescription) << "a description of " << last.size() << " bytes";
    }
}

TEST(LoadEntryList, PathLimitAndLanguage)
{
    // The file is read from the program's folder with its own separator, never beyond the limit.
    struct Reader : FakeFileReader
    {
        std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const override
        {
            limits.push_back(maxBytes);
            return FakeFileReader::read(path, maxBytes);
        }
        mutable std::vector<std::size_t> limits;
    };
    Reader files;
    files.files["D:\\info.txt"] = "1\r\n\"a\",\"b\"\r\n";
    TextTable texts;
    FillTextTable(texts);
    FakeMessageBoxes boxes;
    EXPECT_EQ(LoadEntryList("D:\\", '\\', texts, TextTable::English, boxes, files).count(), 1);
    EXPECT_EQ(files.reads, std::vector<std::string> {"D:\\info.txt"});
    EXPECT_EQ(files.limits, std::vector<std::size_t> {std::size_t(64) * 1024 * 1024});
    EXPECT_TRUE(boxes.shown.empty());

    // The error box speaks the program's language.
    LoadEntryList("D:\\Other", '\\', texts, TextTable::Danish, boxes, files);
    EXPECT_EQ(files.reads.back(), "D:\\Other\\info.txt");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text,
              "Det skete en fejl under åbningen af den informationsfil der hører til StartProgrammet.\n\n"
              "Hvis problemet er opstået under start fra en CD modtaget fra Varnholt\n"
              "venligst kontakt os pr. tlf. +45 00 00 00 00 eller mail support@varnholt.example");
}

TEST(MediaPath, FindsTheFileMeantWhateverItsCase)
{
    const FakeFolders folders({"/cd/docs/manual.pdf", "/cd/docs/sub/READ.ME;1", "/cd/Same.txt", "/cd/SAME.TXT",
                               "/cd/exact.htm", "/cd/EXACT.HTM", "/cd/Læs mig.htm", "/cd/times÷.txt", "/cd/Ābc.txt"});
    struct Row
    {
        std::string name, path, found; // empty: not found
    };
    const std::vector<Row> rows {
        {"exact path", "/cd/docs/manual.pdf", "/cd/docs/manual.pdf"},
        {"other case in every part", "/CD/Docs/Manual.PDF", "/cd/docs/manual.pdf"},
        {"Latin-1 capitals", "/cd/LÆS MIG.HTM", "/cd/Læs mig.htm"},
        {"disc version mark ignored", "/cd/DOCS/SUB/read.me", "/cd/docs/sub/READ.ME;1"},
        {"with its version mark", "/cd/docs/sub/read.me;1", "/cd/docs/sub/READ.ME;1"},
        {"exact match wins over another case", "/cd/exact.htm", "/cd/exact.htm"},
        {"two candidates, none exact", "/cd/same.txt", ""},
        {"two candidates in a third case", "/cd/Exact.htm", ""},
        {"the multiplication sign is no capital", "/cd/TIMES×.TXT", ""},
        {"letters beyond Latin-1 keep their case", "/cd/ābc.txt", ""},
        {"missing file", "/cd/docs/missing.pdf", ""},
        {"a folder", "/CD/DOCS", "/cd/docs"},
        {"the root", "/", "/"},
        {"a relative path", "cd/docs", ""},
        {"empty path", "", ""},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(MediaPath::locate(r.path, folders), r.found);
    }
    // Within one folder's listing, too, an exact name wins over names in another case.
    EXPECT_EQ(MediaPath::matchEntry("Readme", {"README", "Readme", "readme"}), "Readme");
}
