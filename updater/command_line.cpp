#include "updater/command_line.h"

namespace updater {
namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }
bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// Takes one character at i into text: two bytes for a lead byte unless the
// line ends after it.
void TakeCharacter(std::string_view line, std::size_t& i, std::string& text) {
    text += line[i++];
    if (IsLeadByte(line[i - 1]) && i < line.size()) text += line[i++];
}

std::size_t SkipProgramName(std::string_view line) {
    std::size_t i = 0;
    if (!line.empty() && line[0] == '"') {
        i = line.find('"', 1);
        if (i == std::string_view::npos) return line.size();
        ++i;
        if (i < line.size() && line[i] == ' ') ++i;
        return i;
    }
    i = line.find(' ');
    return i == std::string_view::npos ? line.size() : i + 1;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> arguments;
    std::size_t i = SkipProgramName(line);
    while (i < line.size()) {
        if (line[i] == '"') {
            std::string text;
            ++i;
            while (i < line.size() && line[i] != '"') TakeCharacter(line, i, text);
            if (i < line.size()) ++i;  // the closing quote
            arguments.push_back(std::move(text));
        } else if (IsSeparator(line[i])) {
            ++i;
        } else {
            std::string text;
            while (i < line.size() && !IsSeparator(line[i]) && line[i] != '"') TakeCharacter(line, i, text);
            arguments.push_back(std::move(text));
        }
    }
    return arguments;
}

bool ArgumentsAreValid(const std::vector<std::string>& arguments) {
    return arguments.size() >= 6 && arguments[0] == kStartWord;
}

}  // namespace updater
