// Trovel: a small break reminder. Creates the application and the one form, runs the
// event loop, and destroys the form (which saves the settings) when the loop ends.
#include "app/application.h"
#include "app/timer_u.h"
#include "platform/error_text.h"

#include <memory>

int main(int argc, char **argv) {
    // The bar is placed at absolute positions and kept on top: that needs X11 semantics,
    // so a Wayland session runs it on XWayland unless the user chose a platform.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    trovel::TApplication app(argc, argv);
    trovel::QtEnvironment env;
    auto form = std::make_unique<trovel::TForm1>(env);
    app.set_error_handler([&env, &form](const QString &message) {
        env.show_error(form ? form->windowTitle() : QStringLiteral("trovel"), trovel::error_box_text(message));
    });
    form->show();
    const int rc = app.exec();
    form.reset();
    return rc;
}
