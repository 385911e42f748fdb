#include "base/platform/FileCalls.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

std::FILE* CreateNewForWriting(const std::filesystem::path& path) {
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* f = _fdopen(fd, "wb");
    if (!f) _close(fd);
    return f;
}
