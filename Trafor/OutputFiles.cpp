#include "OutputFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "ModelError.h"

namespace zelm {

namespace {

// The temporary files that a signal ending the program must take with it. Only names are kept,
// read by the handler without locks.
constexpr std::size_t kMaxOutputs = 4;
std::array<std::atomic<const char*>, kMaxOutputs> gTemporaries{};

extern "C" void removeTemporariesAndEnd(int signal)
{
    for (auto& name : gTemporaries)
        if (const char* path = name.load()) ::unlink(path);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP};

// While outputs are written: a file size limit makes a write fail (EFBIG) instead of killing the
// program, and the signals that end it remove the temporary files first.
class SignalGuard {
public:
    SignalGuard()
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &fileSizeBefore_);
        struct sigaction remove {};
        remove.sa_handler = removeTemporariesAndEnd;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) ::sigaction(kEndingSignals[i], &remove, &before_[i]);
    }
    ~SignalGuard()
    {
        ::sigaction(SIGXFSZ, &fileSizeBefore_, nullptr);
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) ::sigaction(kEndingSignals[i], &before_[i], nullptr);
    }
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

private:
    struct sigaction fileSizeBefore_ {};
    std::array<struct sigaction, kEndingSignals.size()> before_{};
};

// The renames are a handful of calls that must not be cut in the middle by a signal.
class BlockedEndingSignals {
public:
    BlockedEndingSignals()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int signal : kEndingSignals) sigaddset(&set, signal);
        ::sigprocmask(SIG_BLOCK, &set, &before_);
    }
    ~BlockedEndingSignals() { ::sigprocmask(SIG_SETMASK, &before_, nullptr); }
    BlockedEndingSignals(const BlockedEndingSignals&) = delete;
    BlockedEndingSignals& operator=(const BlockedEndingSignals&) = delete;

private:
    sigset_t before_{};
};

std::string upperCase(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

[[noreturn]] void cannotWrite(const std::string& name, int error)
{
    throw ModelError("ERROR - CANNOT WRITE OUTPUT FILE " + name + ": " + upperCase(std::strerror(error)));
}

std::string folderOf(const std::string& name)
{
    const std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

bool existsAsName(const std::string& name)
{
    struct stat status {};
    return ::lstat(name.c_str(), &status) == 0;
}

// One output on its way: its temporary file beside it, and what the temporary name holds.
struct Pending {
    std::string target;
    std::string temporary;
    int fd = -1;
    bool temporaryExists = false;  // the temporary name is ours to remove
    bool targetExisted = false;
    bool exchanged = false;  // the temporary name now holds the old output
};

class OutputTransaction {
public:
    explicit OutputTransaction(const std::vector<OutputFile>& files) : files_(files), pending_(files.size())
    {
        if (files.size() > kMaxOutputs) throw ModelError("ERROR - TOO MANY OUTPUT FILES");
    }

    ~OutputTransaction()
    {
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            Pending& p = pending_[i];
            if (p.fd >= 0) ::close(p.fd);
            if (p.temporaryExists) ::unlink(p.temporary.c_str());
            gTemporaries[i].store(nullptr);
        }
    }
    OutputTransaction(const OutputTransaction&) = delete;
    OutputTransaction& operator=(const OutputTransaction&) = delete;

    void writeAll()
    {
        for (std::size_t i = 0; i < files_.size(); ++i) {
            pending_[i].target = files_[i].name;
            create(i);
            write(pending_[i], files_[i].text);
        }
    }

    // The first file goes first and the last one last; when one cannot be renamed, those already
    // in place are put back.
    void renameAll()
    {
        const BlockedEndingSignals blocked;
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            const int error = place(pending_[i]);
            if (error == 0) continue;
            for (std::size_t j = i; j-- > 0;) putBack(pending_[j]);
            cannotWrite(pending_[i].target, error);
        }
    }

private:
    // Named after the program's process, in the output's folder so that the rename stays there;
    // a name left by an earlier process is passed over.
    void create(std::size_t i)
    {
        Pending& p = pending_[i];
        const std::string stem = folderOf(p.target) + ".zelm-" + std::to_string(::getpid()) + "-";
        for (int attempt = 0; p.fd < 0; ++attempt) {
            p.temporary = stem + std::to_string(attempt) + ".tmp";
            p.fd = ::open(p.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (p.fd < 0 && (errno != EEXIST || attempt == 1000)) cannotWrite(p.target, errno);
        }
        p.temporaryExists = true;
        gTemporaries[i].store(p.temporary.c_str());
    }

    static void write(Pending& p, const std::string& text)
    {
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(p.fd, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) cannotWrite(p.target, n < 0 ? errno : ENOSPC);
            done += static_cast<std::size_t>(n);
        }
        if (::fsync(p.fd) != 0 && errno != EINVAL) cannotWrite(p.target, errno);
        const int fd = p.fd;
        p.fd = -1;
        if (::close(fd) != 0) cannotWrite(p.target, errno);
    }

    // An existing output is swapped with the new one, so that it can be put back; where the file
    // system cannot swap, the new one replaces it.
    static int place(Pending& p)
    {
        p.targetExisted = existsAsName(p.target);
        if (p.targetExisted &&
            ::renameat2(AT_FDCWD, p.temporary.c_str(), AT_FDCWD, p.target.c_str(), RENAME_EXCHANGE) == 0) {
            p.exchanged = true;
            return 0;
        }
        if (p.targetExisted && errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
        if (::rename(p.temporary.c_str(), p.target.c_str()) != 0) return errno;
        p.temporaryExists = false;
        return 0;
    }

    static void putBack(Pending& p)
    {
        if (p.exchanged) {
            ::renameat2(AT_FDCWD, p.temporary.c_str(), AT_FDCWD, p.target.c_str(), RENAME_EXCHANGE);
        } else if (!p.targetExisted && ::rename(p.target.c_str(), p.temporary.c_str()) == 0) {
            p.temporaryExists = true;
        }
    }

    const std::vector<OutputFile>& files_;
    std::vector<Pending> pending_;
};

}  // namespace

void requireWritableName(const std::string& name)
{
    struct stat status {};
    if (::lstat(name.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        throw ModelError("ERROR - OUTPUT FILE " + name + " IS NOT A REGULAR FILE");
}

void writeOutputsTogether(const std::vector<OutputFile>& files)
{
    for (const OutputFile& file : files) requireWritableName(file.name);
    const SignalGuard guard;
    OutputTransaction transaction(files);
    transaction.writeAll();
    transaction.renameAll();
}

}  // namespace zelm
