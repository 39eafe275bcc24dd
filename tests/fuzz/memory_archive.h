// An archive held in memory and opened through minizip's table of file
// functions, so the fuzzer reads each input without writing it to disk.
#pragma once
#include <cstddef>
#include <cstdint>

#include <unzip.h>

namespace fuzz {

class MemoryArchive {
public:
    MemoryArchive(const std::uint8_t* data, std::size_t size);
    ~MemoryArchive();
    MemoryArchive(const MemoryArchive&) = delete;
    MemoryArchive& operator=(const MemoryArchive&) = delete;

    // Null when minizip does not take the bytes for an archive.
    unzFile Get() const { return archive_; }

    struct Stream {
        const std::uint8_t* data;
        std::size_t size;
        std::size_t position;
    };

private:
    Stream stream_;
    unzFile archive_ = nullptr;
};

}  // namespace fuzz
