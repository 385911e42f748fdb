#pragma once
// The two file operations whose calls differ between Windows and POSIX; the
// build compiles one of FileCallsWindows.cpp and FileCallsPosix.cpp.
#include <cstdio>
#include <filesystem>

// Creates `path` for writing in binary; null on failure, and when a file of
// that name exists already (which is never touched).
std::FILE* CreateNewForWriting(const std::filesystem::path& path);
// Flushes the stream and asks the system to put the file's data on the disk.
bool FlushToDisk(std::FILE* file);
