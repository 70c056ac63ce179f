// Process set-up shared by every test main.
#pragma once

namespace trovel::test {

// Sets QT_QPA_PLATFORM=offscreen (unless already set), a fixed locale, and points
// XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR at fresh temporary folders removed
// at exit.
// Call before the QApplication is created.
void prepare_process_environment();

} // namespace trovel::test
