// Helpers for the settings tests: file contents as text, line-ending variants, and a
// file size limit that makes writes fail the way a full disk does.
#pragma once

#include "support/test_files.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace trovel::test {

// The text with every "\n" turned into `eol`.
inline QByteArray with_eol(QByteArray text, const QByteArray &eol) { return text.replace("\n", eol); }

// Privileged processes write read-only files anyway, so those tests only make sense
// for an ordinary user.
inline bool running_as_root() { return ::geteuid() == 0; }

// While alive, no file of this process can grow beyond `bytes`: a write past the limit
// fails with EFBIG (the signal it would raise is ignored), as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

} // namespace trovel::test
