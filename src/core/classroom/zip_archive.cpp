#include "classroom/zip_archive.h"

#include <array>
#include <cstdint>

namespace vireflu {

namespace {

std::uint32_t Crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> kTable = [] {
        std::array<std::uint32_t, 256> table{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return table;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = kTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

constexpr std::uint32_t kDosDate = (0 << 9) | (1 << 5) | 1;  // 1980-01-01

// The fields a local header and a central directory entry share, from "version needed" on.
void PutCommon(std::string& out, const ZipEntry& entry, std::uint32_t crc) {
    Put(out, 20, 2);      // version needed: 2.0
    Put(out, 0x0800, 2);  // flags: names in UTF-8
    Put(out, 0, 2);       // stored
    Put(out, 0, 2);       // time 00:00
    Put(out, kDosDate, 2);
    Put(out, crc, 4);
    Put(out, static_cast<std::uint32_t>(entry.bytes.size()), 4);
    Put(out, static_cast<std::uint32_t>(entry.bytes.size()), 4);
    Put(out, static_cast<std::uint32_t>(entry.name.size()), 2);
    Put(out, 0, 2);  // no extra field
}

}  // namespace

std::string StoredZip(std::span<const ZipEntry> entries) {
    std::string archive, directory;
    for (const ZipEntry& entry : entries) {
        const std::uint32_t crc = Crc32(entry.bytes);
        const auto offset = static_cast<std::uint32_t>(archive.size());
        Put(archive, 0x04034b50, 4);
        PutCommon(archive, entry, crc);
        archive += entry.name + entry.bytes;
        Put(directory, 0x02014b50, 4);
        Put(directory, 0x0314, 2);  // made by: 2.0 on Unix
        PutCommon(directory, entry, crc);
        Put(directory, 0, 2);               // no comment
        Put(directory, 0, 2);               // disk 0
        Put(directory, 0, 2);               // internal attributes
        Put(directory, 0100644u << 16, 4);  // a plain file, rw-r--r--
        Put(directory, offset, 4);
        directory += entry.name;
    }
    const auto directoryAt = static_cast<std::uint32_t>(archive.size());
    archive += directory;
    Put(archive, 0x06054b50, 4);
    Put(archive, 0, 4);  // this disk, the directory's disk
    Put(archive, static_cast<std::uint32_t>(entries.size()), 2);
    Put(archive, static_cast<std::uint32_t>(entries.size()), 2);
    Put(archive, static_cast<std::uint32_t>(directory.size()), 4);
    Put(archive, directoryAt, 4);
    Put(archive, 0, 2);  // no comment
    return archive;
}

}  // namespace vireflu
