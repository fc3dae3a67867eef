// Captions as the plug-in shows them; the sample's caption names the style in front.
#include "host/orvex/hosting/plugin_windows.h"

#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {
constexpr const char* PreviewCaptionPrefix = "Array Preview: ";
constexpr const char* SampleCaptionEnd = " Style Sample";
}

HWND FindPreviewWindow(const std::string& footprintName) {
    return FindWindowA(nullptr, (PreviewCaptionPrefix + footprintName).c_str());
}

HWND FindStyleSampleWindow() {
    const std::string end = SampleCaptionEnd;
    for (HWND h : WindowManager::Instance().TopLevels()) {
        char text[256] = {};
        GetWindowTextA(h, text, sizeof text);
        const std::string caption = text;
        if (IsWindowVisible(h) && caption.size() > end.size() &&
            caption.compare(caption.size() - end.size(), end.size(), end) == 0)
            return h;
    }
    return 0;
}
