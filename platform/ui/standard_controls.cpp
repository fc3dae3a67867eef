// Registers the classes of the standard controls and hooks the frame and message-box painting
// into the window system.
#include "platform/ui/standard_controls.h"

#include "platform/gdi/window_surfaces.h"
#include "platform/ui/button_control.h"
#include "platform/ui/combo_box_control.h"
#include "platform/ui/dialog_class.h"
#include "platform/ui/edit_control.h"
#include "platform/ui/frame_painter.h"
#include "platform/ui/list_box_control.h"
#include "platform/ui/message_box_window.h"
#include "platform/ui/spin_control.h"
#include "platform/ui/static_control.h"
#include "platform/ui/tab_control.h"
#include "platform/win/window_manager.h"

bool InstallStandardControls() {
    static bool installed = false;
    if (installed) return true;
    WindowSurfaces::Install();
    // A class registered already (by an earlier install) fails to register again; that is fine.
    ButtonControl::Register();
    StaticControl::Register();
    EditControl::Register();
    SpinControl::Register();
    ListBoxControl::Register();
    ComboBoxControl::Register();
    TabControl::Register();
    DialogClass::Register();
    WindowManager::Instance().nonClientPainter = &FramePainter::Paint;
    SetMessageBoxPresenter(&MessageBoxWindow::Present);
    installed = true;
    return true;
}
