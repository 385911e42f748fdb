#pragma once
// The two file operations whose calls differ between Windows and POSIX; the
// build compiles one of FileCallsWindows.cpp and FileCallsPosix.cpp.
#include <cstdio>
#include <filesystem>

// Opens `path` for writing in binary, replacing it; null on failure.
std::FILE* OpenForWriting(const std::filesystem::path& path);
// Flushes the stream and asks the system to put the file's data on the disk.
bool FlushToDisk(std::FILE* file);
