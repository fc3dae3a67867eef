// The host's help topics for the plug-in's pages and dialogs.
#pragma once
#include <cstdint>

struct HelpTopic {
    int32_t number;
    const char* title;
    const char* text;
};

const HelpTopic* FindHelpTopic(int32_t number);
