#pragma once
// Writes small ZIP archives for the catalogue tests with libzip: stored or
// deflated members, and ways to break them afterwards.

#include <string>
#include <vector>

namespace termora::testing {

enum class Packing { Stored, Deflated };

struct FixtureMember {
    std::string name;
    std::string bytes;
    Packing packing = Packing::Deflated;
};

// Writes the members to a new archive at path; throws std::runtime_error.
void writeArchive(const std::string& path, const std::vector<FixtureMember>& members);

// Flips a byte in the middle of the member's stored data, so that its check
// (or its inflation) fails while the directory stays intact.
void damageMember(const std::string& path, const std::string& memberName);

// Cuts the file down to the given number of bytes.
void truncateFile(const std::string& path, std::size_t size);

std::string readWholeFile(const std::string& path);

}  // namespace termora::testing
