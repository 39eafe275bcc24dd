// A private copy of 屏笺.exe in a fresh folder below the temporary folder, so
// that what the program writes next to itself stays out of dist/; the folder
// and all in it go away with the object.
#pragma once
#include <string>

namespace e2e {

class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& name);  // the folder's own name; blanks allowed
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ~ProgramFolder();

    bool Ready() const { return ready_; }
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
    bool ready_ = false;
};

// A file's bytes; *ok tells whether it could be read.
std::string ReadFileBytes(const std::string& path, bool* ok = nullptr);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool IsFolder(const std::string& path);
bool Exists(const std::string& path);
void DeleteTree(const std::string& path);

}  // namespace e2e
