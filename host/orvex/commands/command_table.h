// The orvex commands by name; main picks one and hands it the rest of the words.
#pragma once
#include <string>
#include <vector>

#include "host/orvex/hosting/host_folder.h"

// Exit codes: done, refused (bad input, bad file, busy), usage error.
constexpr int ExitOk = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

struct CommandContext {
    HostFolder host;
    std::vector<std::string> words;   // after the command's own name
};

struct Command {
    const char* name;
    const char* sub;     // second word, or null
    const char* usage;
    int (*run)(CommandContext& context);
};

const std::vector<Command>& Commands();
std::string Usage();
// "usage: orvex ..." for the command of that name.
std::string CommandUsage(const std::string& name);

// Prints "orvex: message" on standard error; returns the exit code.
int Refuse(const std::string& message, int code = ExitRefused);

int RunNew(CommandContext& context);
int RunPadstackAdd(CommandContext& context);
int RunPadstackList(CommandContext& context);
int RunLibraryNew(CommandContext& context);
int RunLibraryAdd(CommandContext& context);
int RunLibraryRemove(CommandContext& context);
int RunRun(CommandContext& context);
int RunShow(CommandContext& context);
int RunExport(CommandContext& context);
int RunGenerate(CommandContext& context);
