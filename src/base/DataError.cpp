#include "base/DataError.h"

TDataError::TDataError(std::string record, std::size_t offset, const std::string& problem)
    : std::runtime_error(record + " at byte " + std::to_string(offset) + ": " + problem),
      FRecord(std::move(record)), FOffset(offset), FProblem(problem) {}
