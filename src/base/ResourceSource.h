#pragma once
// Where the data resources of the system come from: the executable's RCDATA
// resources in the Windows shell, a folder of files in the host tools and
// tests. Names are matched without regard to case.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

// The bytes of one resource. Owner keeps them alive where the source had to
// read them into memory; a resource of the executable needs no owner.
struct TResourceBytes {
    std::span<const std::uint8_t> Bytes;
    std::shared_ptr<const void> Owner;
};

class TResourceSource {
public:
    virtual ~TResourceSource() = default;
    // The resource of that name, or nothing when there is none.
    virtual std::optional<TResourceBytes> Find(std::u16string_view name) const = 0;
};

// A resource that must exist but does not.
class TMissingResource : public std::runtime_error {
public:
    explicit TMissingResource(std::u16string_view name);
    const std::u16string& Name() const { return FName; }

private:
    std::u16string FName;
};

// Resource names are ASCII: converting them for messages and file names is exact.
std::string ResourceNameToAscii(std::u16string_view name);
std::u16string AsciiToResourceName(std::string_view name);

// Find, raising TMissingResource when absent.
TResourceBytes RequireResource(const TResourceSource& source, std::u16string_view name);
