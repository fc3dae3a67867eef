// A whole dialog run in the plug-in's module state, as the host's call makes it, under a script.
#pragma once
#include <cstdint>
#include <string>

#include "platform/framework/module_state.h"
#include "platform/win/message_box.h"
#include "plugin/dialog_run.h"
#include "plugin/plugin_module.h"
#include "tests/sheet/sheet_run_fixture.h"

class DialogRunFixture : public SheetRunFixture {
protected:
    int32_t Show(const std::string& script, const char* footprint = "QFP48") {
        ClearShownMessageBoxes();
        return int32_t(Drive(script, [footprint] {
            AFX_MANAGE_STATE_SCOPE state(TessraModuleState());
            return RunTessraDialog(footprint);
        }));
    }
};
