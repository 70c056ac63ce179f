// The form's settings: the control properties that the settings file keeps between runs,
// handed to the form's storage when the form is built.
#pragma once

#include <QStringList>

namespace trovel {

// The 36 stored properties ("control.Property"), in loading and saving order. The order
// matters: radio items load one after another, so the last checked item of a group wins.
QStringList form_stored_props();

} // namespace trovel
