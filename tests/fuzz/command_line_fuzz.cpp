// libFuzzer target for the updater's command line. Any bytes go to
// SplitCommandLine; what it gives back, each argument quoted again, must split
// into the same arguments. The input cut at its newlines also gives the
// manifest values of the main program's own line, which must come back whole.
// Compiled without a GBK execution character set: the program's texts are
// UTF-8 here, on both sides of the check.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "update/updater_command_line.h"
#include "updater/command_line.h"

namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// True when text ends with a lead byte that has no trail byte: a closing
// quote written after it would be taken as its second half.
bool EndsInOpenCharacter(const std::string& text) {
    bool open = false;
    for (char c : text) open = open ? false : IsLeadByte(c);
    return open;
}

// A value the main program can hand over as one argument: printable ASCII,
// no blank, no quote.
bool IsPlainWord(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c <= ' ' || c > '~' || c == '"') return false;
    return true;
}

void CheckRequoted(const std::vector<std::string>& arguments) {
    std::string line = "\"update.exe\"";
    for (const std::string& argument : arguments) {
        if (EndsInOpenCharacter(argument)) return;
        line += " \"" + argument + "\"";
    }
    if (updater::SplitCommandLine(line) != arguments) __builtin_trap();
}

void CheckMainProgramLine(std::string_view text) {
    std::vector<std::string_view> values;
    for (std::size_t start = 0; values.size() < 4;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) return;
        values.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    for (std::string_view value : values)
        if (!IsPlainWord(value)) return;
    const update::ManifestValues manifest{std::string(values[0]), std::string(values[1]), std::string(values[2]),
                                          std::string(values[3])};
    const std::vector<std::string> arguments =
        updater::SplitCommandLine(update::UpdaterCommandLine("C:\\Program Files\\x", manifest));
    const std::vector<std::string> expected{update::kCheckWord, manifest.downloadUrl, manifest.fileTitle,
                                            "运行",          "屏笺.exe",          manifest.fileName,
                                            manifest.notes};
    if (arguments != expected || !updater::ArgumentsAreValid(arguments)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> arguments = updater::SplitCommandLine(text);
    std::size_t bytes = 0;
    for (const std::string& argument : arguments) bytes += argument.size();
    if (bytes > size) __builtin_trap();
    updater::ArgumentsAreValid(arguments);
    CheckRequoted(arguments);
    CheckMainProgramLine(text);
    return 0;
}
