#pragma once
// The one error the core raises for malformed binary data: a record that ends
// early or holds an impossible count. It names the record and the byte offset
// (from the start of the buffer being read) where reading went wrong.
#include <cstddef>
#include <stdexcept>
#include <string>

class TDataError : public std::runtime_error {
public:
    TDataError(std::string record, std::size_t offset, const std::string& problem);

    const std::string& Record() const { return FRecord; }
    std::size_t Offset() const { return FOffset; }
    const std::string& Problem() const { return FProblem; }

private:
    std::string FRecord;
    std::size_t FOffset;
    std::string FProblem;
};
