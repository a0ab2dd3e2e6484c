#include "ReportFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ModelError.h"

namespace uncertainty {

namespace {

[[noreturn]] void cannotWrite(const std::string& name, int error)
{
    std::string reason = std::strerror(error);
    for (char& c : reason) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    throw ModelError("ERROR - CANNOT WRITE THE REPORT FILE " + name + " (" + reason + ")");
}

// While it lives, a write beyond the file-size limit fails with EFBIG instead of ending the program.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() : previous_(std::signal(SIGXFSZ, SIG_IGN)) {}
    ~FileSizeSignalIgnored() { std::signal(SIGXFSZ, previous_); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    void (*previous_)(int);
};

// The permissions open() gives a new file: rw for all, less the umask (which can only be read by
// setting it; the program has one thread).
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const std::string& text)
{
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

void requireReportName(const std::string& name)
{
    struct stat status {};
    if (lstat(name.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        throw ModelError("ERROR - THE REPORT FILE " + name + " EXISTS BUT IS NOT A REGULAR FILE");
}

void writeReportFile(const std::string& name, const std::string& text)
{
    requireReportName(name);
    const FileSizeSignalIgnored fileSizeSignalIgnored;
    std::string temporary = name + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) cannotWrite(name, errno);
    int error = 0;
    if (fchmod(fd, newFileMode()) != 0 || !writeAll(fd, text) || fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temporary.c_str(), name.c_str()) != 0) error = errno;
    if (error == 0) return;
    unlink(temporary.c_str());
    cannotWrite(name, error);
}

}  // namespace uncertainty
