// A person at a display. The SDL side lives in a module of its own, loaded only when a person is
// to work a dialog: scripted and batch runs never load SDL and the fifty libraries it brings,
// which took most of a short run's start.
#pragma once
#include <string>

#include "platform/ui/display_fit.h"

class PersonDriver {
public:
    virtual ~PersonDriver() = default;
    // Takes over the message loop's input; false with the reason in `error`.
    virtual bool Start(const char* title, int scale, std::string& error) = 0;
    // Why the window could not be opened, empty while all is well.
    virtual const std::string& Error() const = 0;
};

// What the module gives: whether a display a person sees can be opened (filling what `fit`
// leaves open), and a new driver, which the caller deletes.
struct ScreenModule {
    bool (*displayAvailable)(DisplayFit& fit, std::string& why);
    PersonDriver* (*makeDriver)();
};

// The name of the module's one entry point, and of the module file beside this library.
inline constexpr const char* kScreenModuleEntry = "TessraScreenModule";
inline constexpr const char* kScreenModuleFile = "libtessra_screen.so";

// Loads the module once; null with the reason in `why`.
const ScreenModule* LoadScreenModule(std::string& why);
