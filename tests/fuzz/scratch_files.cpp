#include "tests/fuzz/scratch_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <set>

namespace fuzz {
namespace {

constexpr std::size_t kMaxBytesPerInput = 4 << 20;

bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

PathStep StepOf(const std::string& part) {
    if (part.find_first_not_of(". ") == std::string::npos) {
        // "." and blanks stay; two or more dots are taken as "..", the worst
        // Windows could make of "..." or ". ." once trailing dots go.
        const auto dots = std::count(part.begin(), part.end(), '.');
        return {dots >= 2 ? PathStep::kUp : PathStep::kStay, {}};
    }
    return {PathStep::kName, part.substr(0, part.find_last_not_of(". ") + 1)};
}

std::set<std::string> Entries(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

}  // namespace

std::vector<PathStep> ReadSteps(std::string_view path, bool twoByte) {
    std::vector<PathStep> steps;
    std::string part;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\' || path[i] == '/') {
            steps.push_back(StepOf(part));
            part.clear();
            continue;
        }
        part += path[i];
        if (twoByte && IsLeadByte(path[i]) && i + 1 < path.size()) part += path[++i];
    }
    return steps;
}

bool StaysInside(const std::vector<PathStep>& steps) {
    int depth = 0;
    for (const PathStep& step : steps) {
        if (step.kind == PathStep::kUp && --depth < 0) return false;
        if (step.kind == PathStep::kName) ++depth;
    }
    return true;
}

ScratchFolder::ScratchFolder()
    : base_(std::filesystem::current_path() / ("pj-scratch-" + std::to_string(getpid()))),
      box_(base_ / "box"),
      inside_(box_ / "inside") {
    std::filesystem::remove_all(base_);
    std::filesystem::create_directories(inside_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(base_, ignored);
}

void ScratchFolder::CheckAndEmpty() {
    if (Entries(base_) != std::set<std::string>{"box"} || Entries(box_) != std::set<std::string>{"inside"})
        __builtin_trap();
    for (const auto& entry : std::filesystem::directory_iterator(inside_)) std::filesystem::remove_all(entry.path());
}

ScratchFiles::~ScratchFiles() {
    if (file_ >= 0) close(file_);
}

// glibc's GBK stands in for code page 936; a name with a character it lacks
// has no faithful form, as on Windows.
std::string ScratchFiles::FromUtf8(const std::string& utf8) {
    const iconv_t convert = iconv_open("GBK", "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1)) __builtin_trap();
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* to = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(convert, &in, &inLeft, &to, &outLeft);
    iconv_close(convert);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) return {};
    out.resize(out.size() - outLeft);
    return out;
}

std::filesystem::path ScratchFiles::PosixPath(const std::string& path) const {
    const std::string folder = std::string(kFolder) + "\\";
    if (path.compare(0, folder.size(), folder) != 0) __builtin_trap();
    // The file calls take C strings: a NUL ends the path there.
    std::string_view rest(path);
    rest.remove_prefix(folder.size());
    rest = rest.substr(0, rest.find('\0'));
    if (!StaysInside(ReadSteps(rest, true))) __builtin_trap();
    const std::vector<PathStep> steps = ReadSteps(rest, false);
    if (!StaysInside(steps)) __builtin_trap();
    // Written as read, "..", so that the file system itself resolves them.
    std::filesystem::path result = inside_;
    for (const PathStep& step : steps) {
        if (step.kind == PathStep::kUp) result /= "..";
        if (step.kind == PathStep::kName) result /= step.name;
    }
    return result;
}

void ScratchFiles::CreateFolder(const std::string& path) { mkdir(PosixPath(path).c_str(), 0700); }

bool ScratchFiles::Create(const std::string& path) {
    if (file_ >= 0) __builtin_trap();  // the walk finishes each file before the next
    file_ = open(PosixPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    return file_ >= 0;
}

bool ScratchFiles::Write(const char* data, std::size_t size) {
    if (file_ < 0) __builtin_trap();
    if (size > kMaxBytesPerInput - written_) return false;
    written_ += size;
    while (size > 0) {
        const ssize_t done = write(file_, data, size);
        if (done <= 0) return false;
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

void ScratchFiles::Finish(const std::string& path, bool keep, unsigned long) {
    if (file_ < 0) __builtin_trap();
    close(file_);
    file_ = -1;
    if (!keep) unlink(PosixPath(path).c_str());
}

}  // namespace fuzz
