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

// True when the link `name` under the folder `dir` names dev_dir/videoN.
bool links_to_camera(int dir, const char *name, const QByteArray &device) {
    char target[256];
    const ssize_t length = readlinkat(dir, name, target, sizeof target);
    const auto prefix = ssize_t(device.size());
    return length > prefix && std::memcmp(target, device.constData(), size_t(prefix)) == 0 && target[prefix] >= '0' &&
           target[prefix] <= '9';
}

// The name of the descriptor in the fd folder `fd_dir` that holds a camera, or "".
QByteArray camera_descriptor(int fd_dir, const QByteArray &device) {
    DIR *dir = fdopendir(fd_dir); // takes fd_dir
    if (!dir) {
        close(fd_dir);
        return {};
    }
    QByteArray found;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] != '.' && links_to_camera(dirfd(dir), entry->d_name, device)) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

} // namespace

bool camera_in_use(const CameraSeam &seam, QByteArray *where) {
    const pid_t own_pid = seam.own_pid >= 0 ? pid_t(seam.own_pid) : getpid();
    const uid_t uid = seam.uid >= 0 ? uid_t(seam.uid) : getuid();
    const QByteArray device = seam.dev_dir + "/video";
    const int proc = open(seam.proc_dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (proc < 0) return false;
    // The last holder first: during a call the same descriptor answers at every tick.
    if (where && !where->isEmpty()) {
        if (links_to_camera(proc, where->constData(), device)) {
            close(proc);
            return true;
        }
        where->clear();
    }
    DIR *processes = fdopendir(proc);
    if (!processes) {
        close(proc);
        return false;
    }
    QByteArray found;
    while (found.isEmpty()) {
        const dirent *entry = readdir(processes);
        if (!entry) break;
        if (!all_digits(entry->d_name) || std::atoll(entry->d_name) == own_pid) continue;
        struct stat owner {};
        // Another user's descriptors are not ours to read (and not this user's call).
        if (fstatat(proc, entry->d_name, &owner, 0) != 0 || owner.st_uid != uid) continue;
        const QByteArray fd_path = QByteArray(entry->d_name) + "/fd";
        const int fd_dir = openat(proc, fd_path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_dir < 0) continue; // gone meanwhile, or not readable
        const QByteArray descriptor = camera_descriptor(fd_dir, device);
        if (!descriptor.isEmpty()) found = fd_path + '/' + descriptor;
    }
    closedir(processes);
    if (where) *where = found;
    return !found.isEmpty();
}

DesktopCallProbe::DesktopCallProbe(CameraSeam camera) : camera_(std::move(camera)) {}

void DesktopCallProbe::start() { microphone_.start(); }

bool DesktopCallProbe::call_going_on() {
    // The microphone's answer is at hand; the camera costs a walk through the processes
    // (about 10 ms among 200), unless the descriptor found last time still holds it.
    return microphone_.state() == PulseMicrophone::State::recording || camera_in_use(camera_, &camera_holder_);
}

} // namespace trovel
