// The screen module's one entry point, which the window library looks up by name.
#include "platform/ui/interactive_driver.h"
#include "platform/ui/person_driver.h"

extern "C" __attribute__((visibility("default"))) const ScreenModule* TessraScreenModule() {
    static const ScreenModule module{&InteractiveDriver::DisplayAvailable,
                                     []() -> PersonDriver* { return new InteractiveDriver; }};
    return &module;
}
