// The orvex commands by name; main picks one, reads its words by its rules and hands them over.
#pragma once
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/hosting/host_folder.h"
#include "host/orvex/text/arg_list.h"

// Exit codes: done, refused (bad input, bad file, busy), usage error.
constexpr int ExitOk = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

struct CommandContext {
    HostFolder host;
    ArgList args;   // the words after the command's own name
};

struct Command {
    const char* name;
    const char* sub;     // second word, or null
    const char* usage;
    ArgRules rules;
    int (*run)(const Command& self, const CommandContext& context);

    // "usage: orvex ..." for this command.
    std::string Usage() const;
    // Prints the error and this command's usage; returns ExitUsage.
    int RefuseUsage(const std::string& error) const;
};

const std::vector<Command>& Commands();
// Every command's usage, for --help and a command line that names none.
std::string ProgramUsage();

// Prints "orvex: message" on standard error; returns the exit code.
int Refuse(const std::string& message, int code = ExitRefused);
// ExitOk for a request carried out, else its refusal.
int Finish(const Status& done);

int RunNew(const Command& self, const CommandContext& context);
int RunPadstackAdd(const Command& self, const CommandContext& context);
int RunPadstackList(const Command& self, const CommandContext& context);
int RunLibraryNew(const Command& self, const CommandContext& context);
int RunLibraryAdd(const Command& self, const CommandContext& context);
int RunLibraryRemove(const Command& self, const CommandContext& context);
int RunRun(const Command& self, const CommandContext& context);
int RunShow(const Command& self, const CommandContext& context);
int RunExport(const Command& self, const CommandContext& context);
int RunGenerate(const Command& self, const CommandContext& context);
