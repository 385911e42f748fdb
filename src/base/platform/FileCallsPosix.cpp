#include "base/platform/FileCalls.h"

#include <unistd.h>

std::FILE* OpenForWriting(const std::filesystem::path& path) { return std::fopen(path.c_str(), "wb"); }

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }
