// The camera half of a call, read from the process folder without any library: each
// open descriptor of a process is a link naming what it opened.
#include "platform/call_probe.h"

#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trovel {

namespace {

bool all_digits(const char *name) {
    if (!*name) return false;
    for (const char *c = name; *c; ++c)
        if (*c < '0' || *c > '9') return false;
    return true;
}

// Calls `found` with each link target in the fd folder `fd_dir`; stops when it returns true.
template <typename Found> bool any_open_file(int fd_dir, Found found) {
    DIR *dir = fdopendir(fd_dir); // takes fd_dir
    if (!dir) {
        close(fd_dir);
        return false;
    }
    bool hit = false;
    char target[256];
    while (!hit) {
        const dirent *entry = readdir(dir);
        if (!entry) break;
        if (entry->d_name[0] == '.') continue;
        const ssize_t length = readlinkat(dirfd(dir), entry->d_name, target, sizeof target - 1);
        if (length <= 0) continue;
        target[length] = '\0';
        hit = found(target, size_t(length));
    }
    closedir(dir);
    return hit;
}

} // namespace

bool camera_in_use(const CameraSeam &seam) {
    const pid_t own_pid = seam.own_pid >= 0 ? pid_t(seam.own_pid) : getpid();
    const uid_t uid = seam.uid >= 0 ? uid_t(seam.uid) : getuid();
    const QByteArray device = seam.dev_dir + "/video";
    const int proc = open(seam.proc_dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (proc < 0) return false;
    DIR *processes = fdopendir(proc);
    if (!processes) {
        close(proc);
        return false;
    }
    bool in_use = false;
    while (!in_use) {
        const dirent *entry = readdir(processes);
        if (!entry) break;
        if (!all_digits(entry->d_name) || std::atoll(entry->d_name) == own_pid) continue;
        struct stat owner {};
        // Another user's descriptors are not ours to read (and not this user's call).
        if (fstatat(proc, entry->d_name, &owner, 0) != 0 || owner.st_uid != uid) continue;
        const QByteArray fd_path = QByteArray(entry->d_name) + "/fd";
        const int fd_dir = openat(proc, fd_path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_dir < 0) continue; // gone meanwhile, or not readable
        in_use = any_open_file(fd_dir, [&device](const char *target, size_t length) {
            const size_t prefix = size_t(device.size());
            return length > prefix && std::memcmp(target, device.constData(), prefix) == 0 && target[prefix] >= '0' &&
                   target[prefix] <= '9';
        });
    }
    closedir(processes);
    return in_use;
}

DesktopCallProbe::DesktopCallProbe(CameraSeam camera) : camera_(std::move(camera)) {}

void DesktopCallProbe::start() { microphone_.start(); }

bool DesktopCallProbe::call_going_on() {
    // The microphone's answer is at hand; the camera costs a walk through the processes.
    return microphone_.state() == PulseMicrophone::State::recording || camera_in_use(camera_);
}

} // namespace trovel
