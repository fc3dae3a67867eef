// The exports of the window library and its ordinal table; see korlib.h.
#include "host/korlib/korlib.h"

#include <cstdio>

#include "host/korlib/help_topics.h"
#include "host/korlib/help_window.h"
#include "platform/win/win_api.h"

namespace {
void (*HelpSink)(int32_t, const char*) = nullptr;
}

extern "C" {

int32_t KorShowHelp(uint32_t owner, int32_t topic) {
    const HelpTopic* found = FindHelpTopic(topic);
    if (found == nullptr) {
        std::fprintf(stderr, "orvex: no help for topic %d\n", topic);
        return 0;
    }
    if (HelpSink != nullptr) {
        HelpSink(topic, found->title);
    } else {
        std::printf("help %d: %s\n", topic, found->title);
        std::fflush(stdout);
    }
    // Without an owner the help stands beside the window the person works in.
    HelpWindow::Show(owner != 0 ? HWND(owner) : GetActiveWindow(), *found);
    return 1;
}

const char* KorHelpTitle(int32_t topic) {
    const HelpTopic* found = FindHelpTopic(topic);
    return found ? found->title : nullptr;
}

const char* KorHelpText(int32_t topic) {
    const HelpTopic* found = FindHelpTopic(topic);
    return found ? found->text : nullptr;
}

void KorSetHelpOutput(void (*sink)(int32_t, const char*)) { HelpSink = sink; }

const KorOrdinal KorOrdinalTable[] = {
    {KorHelpOrdinal, reinterpret_cast<KorProc>(&KorShowHelp)},
};
const int32_t KorOrdinalCount = sizeof KorOrdinalTable / sizeof KorOrdinalTable[0];

KorProc KorGetProcByOrdinal(uint16_t ordinal) {
    for (int32_t i = 0; i < KorOrdinalCount; ++i) {
        if (KorOrdinalTable[i].ordinal == ordinal) return KorOrdinalTable[i].proc;
    }
    return nullptr;
}

}  // extern "C"
