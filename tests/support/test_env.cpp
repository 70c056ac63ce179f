#include "support/test_env.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdlib>
#include <memory>

namespace trovel::test {

namespace {
// The offscreen platform warns at every fixed-size change; that says nothing about us.
QtMessageHandler previous_handler = nullptr;

void quiet_platform_notes(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    // The offscreen platform cannot do what a real window system does with windows.
    for (const char *note :
         {"does not support propagateSizeHints", "does not support raise", "does not support grabbing the keyboard"})
        if (message.contains(QLatin1String(note))) return;
    if (previous_handler) previous_handler(type, context, message);
}
} // namespace

void prepare_process_environment() {
    previous_handler = qInstallMessageHandler(quiet_platform_notes);
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");
    if (qgetenv("SDL_AUDIODRIVER").isEmpty()) qputenv("SDL_AUDIODRIVER", "dummy");
    // Kept alive until exit; the folders are removed by QTemporaryDir's destructor.
    static std::unique_ptr<QTemporaryDir> config(new QTemporaryDir(QDir::tempPath() + "/trovel-test-XXXXXX"));
    static std::unique_ptr<QTemporaryDir> runtime(new QTemporaryDir(QDir::tempPath() + "/trovel-run-XXXXXX"));
    static std::unique_ptr<QTemporaryDir> data(new QTemporaryDir(QDir::tempPath() + "/trovel-data-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime->path().toLocal8Bit());
    QFile::setPermissions(runtime->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace trovel::test
