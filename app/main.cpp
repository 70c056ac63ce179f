// Trovel: a small break reminder. Reads the command line, creates the application and the
// one form, runs the event loop, and destroys the form (which saves the settings) when the
// loop ends.
#include "app/application.h"
#include "app/bus_service.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "app/remote_command.h"
#include "app/signal_close.h"
#include "app/single_instance.h"
#include "app/timer_u.h"
#include "app/translations.h"
#include "platform/error_report.h"
#include "platform/error_text.h"
#include "platform/save_file.h"
#include "platform/x11_window.h"
#include "settings/settings_path.h"

#include <cstdio>
#include <malloc.h>
#include <memory>

int main(int argc, char **argv) {
    // --help, --version and a mistyped option are answered before anything else: they
    // need no display, and must neither touch the settings nor meet the lock of a copy
    // that is already running.
    // A command for the running copy (--break, --status, ...) needs neither: it goes over
    // the session bus from a QCoreApplication, and ends.
    if (const trovel::CommandLine command_line = trovel::parse_command_line(argc, argv); !command_line.run) {
        if (command_line.remote.command != trovel::RemoteCommand::none)
            trovel::run_remote_command(command_line.remote, argc, argv);
        std::fputs(qUtf8Printable(command_line.out), stdout);
        std::fputs(qUtf8Printable(command_line.err), stderr);
        return command_line.exit_code;
    }

    // One copy per settings file: a second start ends here, quietly and successfully,
    // before it opens a display or touches the settings. The lock is held until the
    // process ends.
    const trovel::InstanceLock lock = trovel::InstanceLock::for_user();
    if (lock.status() == trovel::InstanceLock::Status::taken) return 0;
    if (lock.status() == trovel::InstanceLock::Status::unavailable)
        qWarning("trovel: running without the single-instance lock (%s)", qUtf8Printable(lock.error()));

    // Pictures are decoded into buffers of megabytes. With glibc's sliding threshold the
    // first freed one moves such buffers onto the heap, where freed space stays resident,
    // so the memory of a program that runs for weeks would wander with the pictures
    // shown. A fixed threshold keeps every large buffer in its own mapping, returned to
    // the system as soon as it is freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);

    // The bar is placed at absolute positions and kept on top: that needs X11 semantics,
    // so a Wayland session runs it on XWayland, whatever platform is asked for.
    trovel::use_x11_platform();
    // Without a display Qt would abort; end with a line that says why, touching nothing.
    if (!trovel::display_reachable(argc, argv)) return 1;

    // A save killed half-way leaves its temporary file beside the settings. Whatever is
    // older than this copy's lock was left by a copy that has ended.
    if (lock.status() == trovel::InstanceLock::Status::owner) {
        for (const char *name : {"trovel.ini", "trovel.ini.bak"})
            trovel::remove_stale_save_files(trovel::settings_file_path(QString::fromLatin1(name)), lock.taken_at());
    }

    // On X11, Qt's shared-memory path waits for a round trip to the server before it paints
    // again over pixels it sent before, as the countdown is at every tick: two more wake-ups
    // a tick for a few hundred bytes. Sent in the request itself, they need no wait.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");

    // The fonts (the font configuration, some seventy XML files, and Qt's list of fonts) are
    // read when text is first measured, in the first turn of the event loop, after the bar's
    // request to be mapped has gone out. Read ahead on a second thread they held back Qt's
    // own start-up on a two-core machine by more than they gained the first paint.
    // The one error report of the application and the form: Qt's log until the error box
    // can be shown, then the box, captioned with the form's title.
    trovel::ErrorReport report;
    trovel::TApplication app(argc, argv, report);
    trovel::release_display_check();
    trovel::install_translations(app, QLocale::system(),
                                 trovel::translation_folders(QCoreApplication::applicationDirPath()));
    trovel::QtEnvironment env;
    trovel::QtDialogs dialogs;
    std::unique_ptr<trovel::TForm1> form;
    report.set_sink([&env, &form](const QString &message) {
        env.show_error(form ? form->windowTitle() : QStringLiteral("trovel"), trovel::error_box_text(message));
    });
    // SIGTERM, SIGINT and SIGHUP close the form as a close request does, but show no error
    // box: nobody may be there to close it (a logout), and it would keep the program
    // alive. Caught before the form exists, so no library the form starts (the sound
    // player's) takes them over.
    const trovel::SignalClose close_signals([&form, &env, &report](int) {
        trovel::report_errors(report, [&form, &env] {
            env.error_boxes().end_without_boxes();
            trovel::close_for_signal(form.get());
        });
    });
    // An X server that goes away ends the process in Qt (status 1) without a return from
    // exec(): the settings are saved and the history closed before, on Qt's way out. A
    // save that fails says so on stderr: no box can be shown any more.
    trovel::on_display_lost([&form, &env, &report] {
        env.error_boxes().end_without_boxes();
        trovel::report_errors(report, [&form] {
            if (form) form->end_without_display();
        });
    });
    form = std::make_unique<trovel::TForm1>(trovel::desktop_seams(env, report, dialogs));
    // The name on the session bus, for the commands, once the bar is on the screen.
    std::unique_ptr<trovel::BusService> bus;
    QObject::connect(form.get(), &trovel::TForm1::on_screen, form.get(),
                     [&bus, &form, &report] { bus = trovel::BusService::start(*form, report); });
    form->show();
    trovel::stop_property_notifications(form->windowHandle());
    const int rc = app.exec();
    bus.reset();
    form.reset();
    // An end on a signal that could not save says so in its status; the reason is on
    // stderr.
    return env.error_boxes().failed_while_ending() ? 1 : rc;
}
