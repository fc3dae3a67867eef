// The host's help topics for the plug-in's pages and dialogs.
#pragma once
#include <cstdint>

struct HelpTopic {
    int32_t number;
    const char* title;
    const char* text;
    int32_t seeAlso;   // a topic shown below this one in the help window, 0 for none
};

const HelpTopic* FindHelpTopic(int32_t number);
