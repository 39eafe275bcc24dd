#include "support/zip_writer.h"

#include <zlib.h>

#include <cstdint>

namespace e2e {
namespace {

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

// Raw deflate, as ZIP wants it: no zlib header or trailer.
std::string Deflate(const std::string& data) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

}  // namespace

std::string MakeZip(const std::vector<ZipEntry>& entries) {
    std::string archive, directory;
    for (const ZipEntry& entry : entries) {
        const bool folder = !entry.name.empty() && entry.name.back() == '/';
        const bool deflated = entry.deflate && !folder;
        const std::string stored = deflated ? Deflate(entry.data) : entry.data;
        std::uint32_t crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), static_cast<uInt>(entry.data.size())));
        if (entry.wrongCrc) crc ^= 0x5A5A5A5A;
        const std::uint16_t flags = entry.utf8Flag ? 1 << 11 : 0;
        const std::uint16_t method = deflated ? 8 : 0;
        const std::uint32_t offset = static_cast<std::uint32_t>(archive.size());

        auto common = [&](std::string& out) {
            Put16(out, 20);  // version needed
            Put16(out, flags);
            Put16(out, method);
            Put16(out, entry.dosTime);
            Put16(out, entry.dosDate);
            Put32(out, crc);
            Put32(out, static_cast<std::uint32_t>(stored.size()));
            Put32(out, static_cast<std::uint32_t>(entry.data.size()));
            Put16(out, static_cast<std::uint16_t>(entry.name.size()));
            Put16(out, 0);  // extra field
        };
        Put32(archive, 0x04034b50);
        common(archive);
        archive += entry.name;
        archive += stored;

        Put32(directory, 0x02014b50);
        Put16(directory, 20);  // made by: MS-DOS
        common(directory);
        Put16(directory, 0);  // comment
        Put16(directory, 0);  // disk
        Put16(directory, 0);  // internal attributes
        Put32(directory, folder ? 0x10 : 0x20);
        Put32(directory, offset);
        directory += entry.name;
    }
    const std::uint32_t directoryOffset = static_cast<std::uint32_t>(archive.size());
    archive += directory;
    Put32(archive, 0x06054b50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, static_cast<std::uint16_t>(entries.size()));
    Put16(archive, static_cast<std::uint16_t>(entries.size()));
    Put32(archive, static_cast<std::uint32_t>(directory.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0);
    return archive;
}

}  // namespace e2e
