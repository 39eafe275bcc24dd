// The updater's command line: split into arguments the way the main program
// writes it, and checked for the start-up word.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace updater {

// The word by which the updater knows that the main program started it; the
// main program writes the same word.
inline constexpr char kStartWord[] = "核对暗号";

// The arguments of a process command line, program name excluded. Bytes of
// 0x80 and above lead a two-byte character and take the next byte along.
std::vector<std::string> SplitCommandLine(std::string_view line);

// At least six arguments, the first exactly the start-up word.
bool ArgumentsAreValid(const std::vector<std::string>& arguments);

}  // namespace updater
