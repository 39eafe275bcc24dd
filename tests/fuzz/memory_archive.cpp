#include "tests/fuzz/memory_archive.h"

#include <algorithm>
#include <cstring>

namespace fuzz {
namespace {

using Stream = MemoryArchive::Stream;

voidpf Open(voidpf opaque, const void*, int mode) {
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) return nullptr;
    static_cast<Stream*>(opaque)->position = 0;
    return opaque;
}

uLong Read(voidpf, voidpf stream, void* buffer, uLong size) {
    auto& s = *static_cast<Stream*>(stream);
    const std::size_t count = std::min<std::size_t>(size, s.size - s.position);
    if (count > 0) std::memcpy(buffer, s.data + s.position, count);
    s.position += count;
    return static_cast<uLong>(count);
}

uLong Write(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T Tell(voidpf, voidpf stream) { return static_cast<Stream*>(stream)->position; }

long Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto& s = *static_cast<Stream*>(stream);
    ZPOS64_T base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = s.position;
    if (origin == ZLIB_FILEFUNC_SEEK_END) base = s.size;
    if (offset > s.size || base > s.size - offset) return -1;
    s.position = static_cast<std::size_t>(base + offset);
    return 0;
}

int Close(voidpf, voidpf) { return 0; }
int Error(voidpf, voidpf) { return 0; }

}  // namespace

MemoryArchive::MemoryArchive(const std::uint8_t* data, std::size_t size) : stream_{data, size, 0} {
    zlib_filefunc64_def functions{Open, Read, Write, Tell, Seek, Close, Error, &stream_};
    archive_ = unzOpen2_64("memory", &functions);
}

MemoryArchive::~MemoryArchive() {
    if (archive_) unzClose(archive_);
}

}  // namespace fuzz
