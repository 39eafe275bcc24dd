// SplitCommandLine and the start-up word check, byte for byte.
#include <gtest/gtest.h>

#include "updater/command_line.h"

namespace updater {
namespace {

using Arguments = std::vector<std::string>;

TEST(SplitCommandLineTest, SplitsAsTheRuleSays) {
    struct Case {
        const char* what;
        std::string line;
        Arguments expected;
    } cases[] = {
        {"empty line", "", {}},
        {"program name only", "C:\\a\\update.exe", {}},
        {"program name and a blank", "C:\\a\\update.exe ", {}},
        {"plain arguments", "C:\\a\\update.exe 核对暗号 http://x/a.zip", {"核对暗号", "http://x/a.zip"}},
        {"quoted program path with blanks", "\"C:\\my tools\\升级文件\\update.exe\" 核对暗号 b",
         {"核对暗号", "b"}},
        {"quoted program path without a blank after it", "\"C:\\x y\\update.exe\"核对暗号", {"核对暗号"}},
        {"quoted program path never closed", "\"C:\\x y\\update.exe 核对暗号", {}},
        {"unquoted path with a blank: the rest is argument 1", "C:\\my tools\\升级文件\\update.exe 核对暗号",
         {"tools\\升级文件\\update.exe", "核对暗号"}},
        {"runs of blanks and tabs count as one", "p   a \t\t b  ", {"a", "b"}},
        {"control bytes separate", std::string("p a\x01\x1f" "b"), {"a", "b"}},
        {"empty quoted argument counts", "p a \"\" b", {"a", "", "b"}},
        {"quoted argument keeps blanks", "p \"a b\" c", {"a b", "c"}},
        {"quoted argument never closed", "p \"a b", {"a b"}},
        {"a double quote inside a value ends it and opens a quoted one", "p ab\"c d\"e", {"ab", "c d", "e"}},
        {"a line ending inside a quote stays in it", "p \"a\r\nb\" c", {"a\r\nb", "c"}},
        {"a line ending outside quotes separates", "p 升级\r\n说明", {"升级", "说明"}},
        {"the program name skips only up to the first blank", "p\ta b", {"b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SplitCommandLine(c.line), c.expected);
    }
}

TEST(SplitCommandLineTest, ALeadByteTakesTheNextByteAlong) {
    struct Case {
        const char* what;
        std::string line;
        Arguments expected;
    } cases[] = {
        {"second byte is a blank", std::string("p a\x81 b"), {std::string("a\x81 b")}},
        {"second byte is a control byte", std::string("p a\xfe\x01" "b c"), {std::string("a\xfe\x01" "b"), "c"}},
        {"second byte is a double quote in a plain argument", std::string("p a\x90\"b c"),
         {std::string("a\x90\"b"), "c"}},
        {"second byte is a double quote in a quoted argument", std::string("p \"a\x90\"b\" c"),
         {std::string("a\x90\"b"), "c"}},
        {"0x80 is a lead byte too", std::string("p \x80 x"), {std::string("\x80 x")}},
        {"a lead byte at the very end", std::string("p a\xb0"), {std::string("a\xb0")}},
        {"a lead byte at the end of a quoted argument", std::string("p \"a\xb0"), {std::string("a\xb0")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SplitCommandLine(c.line), c.expected);
    }
}

TEST(SplitCommandLineTest, ReadsTheMainProgramsLine) {
    // Program folder, the updater's tail and the word, URL, title, "运行 屏笺.exe",
    // file name, and an explanation with a line break.
    const std::string line =
        "C:\\Tools\\升级文件\\update.exe 核对暗号 http://h/u.zip 屏笺 运行 屏笺.exe new.zip 修正\r\n若干问题";
    EXPECT_EQ(SplitCommandLine(line),
              (Arguments{"核对暗号", "http://h/u.zip", "屏笺", "运行", "屏笺.exe", "new.zip", "修正", "若干问题"}));

    // An empty title leaves two blanks, which count as one.
    EXPECT_EQ(SplitCommandLine("C:\\T\\升级文件\\update.exe 核对暗号 http://h/u.zip  运行 屏笺.exe new.zip x"),
              (Arguments{"核对暗号", "http://h/u.zip", "运行", "屏笺.exe", "new.zip", "x"}));
}

TEST(ArgumentsAreValidTest, WantsSixArgumentsAndTheWordFirst) {
    struct Case {
        const char* what;
        Arguments arguments;
        bool valid;
    } cases[] = {
        {"none", {}, false},
        {"five", {"核对暗号", "u", "t", "运行", "屏笺.exe"}, false},
        {"six", {"核对暗号", "u", "t", "运行", "屏笺.exe", "f"}, true},
        {"seven", {"核对暗号", "u", "t", "运行", "屏笺.exe", "f", "s"}, true},
        {"six, empty values", {"核对暗号", "", "", "", "", ""}, true},
        {"wrong word", {"核对暗码", "u", "t", "运行", "屏笺.exe", "f"}, false},
        {"word with a tail", {"核对暗号x", "u", "t", "运行", "屏笺.exe", "f"}, false},
        {"word second", {"x", "核对暗号", "t", "运行", "屏笺.exe", "f"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ArgumentsAreValid(c.arguments), c.valid);
    }
}

}  // namespace
}  // namespace updater
