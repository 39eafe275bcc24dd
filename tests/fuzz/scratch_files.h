// The extraction's file calls on a POSIX file system, for the fuzzer. Each
// path below the scratch folder is read the way Windows could read it, and
// one that could resolve outside the folder stops the run before anything is
// written; the folder sits two empty levels deep, which are checked after
// every input.
#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "updater/zip_extraction.h"

namespace fuzz {

// One part of a path as Windows resolves it: the folder it stands in, the
// folder above, or a name (trailing dots and blanks dropped).
struct PathStep {
    enum Kind { kStay, kUp, kName } kind;
    std::string name;
};

// A path below the folder split into steps. With twoByte, a code page 936
// lead byte takes the next byte along, a separator too; without, every slash
// and backslash separates, as where a broken character is read as one byte.
std::vector<PathStep> ReadSteps(std::string_view path, bool twoByte);

// False when the steps climb above the folder they start in.
bool StaysInside(const std::vector<PathStep>& steps);

// pj-scratch-<pid>/box/inside below the current folder, removed at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Inside() const { return inside_; }
    // Stops the run when anything but the folder appeared in the levels
    // above it; then empties the folder for the next input.
    void CheckAndEmpty();

private:
    std::filesystem::path base_, box_, inside_;
};

class ScratchFiles final : public updater::ExtractionFiles {
public:
    // The folder name the extraction is given; it stands for the scratch folder.
    static constexpr const char* kFolder = "X:\\scratch";

    explicit ScratchFiles(const std::filesystem::path& inside) : inside_(inside) {}
    ~ScratchFiles() override;

    std::string FromUtf8(const std::string& utf8) override;
    void CreateFolder(const std::string& path) override;
    bool Create(const std::string& path) override;
    bool Write(const char* data, std::size_t size) override;
    void Finish(const std::string& path, bool keep, unsigned long dosDate) override;

private:
    std::filesystem::path PosixPath(const std::string& path) const;

    std::filesystem::path inside_;
    int file_ = -1;
    std::size_t written_ = 0;  // a full disk is met early: inputs may inflate a thousandfold
};

}  // namespace fuzz
