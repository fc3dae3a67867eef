// One call that makes the standard controls, the dialog class, the frame painter and the
// message-box window available.
#pragma once

// Idempotent; true once every class is registered.
bool InstallStandardControls();
