// Ways to make a save fail in a test: a file-size limit that cuts a write short, as a full disk
// does, and a folder the process may not write to, also when the tests run as root.
#pragma once

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <csignal>

// Lets the process write at most `bytes` to any file while it lives, so a save fails midway.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous{};
    void (*previousSignal)(int) = nullptr;
};

// Makes `folder` read-only while it lives. Root passes over permission bits by its capability to
// override them; the calling thread sets that capability aside meanwhile (it stays permitted, so
// it can be taken up again).
class WriteProtectedFolder {
public:
    explicit WriteProtectedFolder(const QString& folder) : path(QFile::encodeName(folder))
    {
        chmod(path.constData(), 0555);
        setOverride(false);
    }
    ~WriteProtectedFolder()
    {
        setOverride(true);
        chmod(path.constData(), 0755);
    }
    WriteProtectedFolder(const WriteProtectedFolder&) = delete;
    WriteProtectedFolder& operator=(const WriteProtectedFolder&) = delete;

private:
    static void setOverride(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0) return;
        const unsigned bit = 1u << CAP_DAC_OVERRIDE;
        if (on && (data[0].permitted & bit)) data[0].effective |= bit;
        if (!on) data[0].effective &= ~bit;
        syscall(SYS_capset, &header, data);
    }

    QByteArray path;
};
