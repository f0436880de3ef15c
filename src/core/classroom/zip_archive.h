#pragma once

#include <span>
#include <string>

namespace vireflu {

struct ZipEntry {
    std::string name;
    std::string bytes;
};

// A zip archive of the entries, stored uncompressed, each dated 1980-01-01 so that the same
// entries always give the same bytes. Entries and the archive stay under 4 GiB.
std::string StoredZip(std::span<const ZipEntry> entries);

}  // namespace vireflu
