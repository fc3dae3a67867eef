// orvex, the host program: common options, then one command from the table with its words.
#include <cstdio>
#include <string>
#include <vector>

#include "host/orvex/commands/command_table.h"

namespace {

// The command the words at `at` name; `at` moves past its name.
const Command* Chosen(const std::vector<std::string>& words, size_t& at) {
    for (const auto& c : Commands()) {
        if (words[at] != c.name) continue;
        if (c.sub == nullptr) {
            at += 1;
            return &c;
        }
        if (at + 1 < words.size() && words[at + 1] == c.sub) {
            at += 2;
            return &c;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    std::string home;
    size_t at = 0;
    while (at < words.size() && words[at].compare(0, 2, "--") == 0) {
        if (words[at] == "--home" && at + 1 < words.size()) {
            home = words[at + 1];
            at += 2;
        } else if (words[at] == "--help") {
            std::fputs(ProgramUsage().c_str(), stdout);
            return ExitOk;
        } else {
            return Refuse(words[at] == "--home" ? "option --home needs a folder"
                                                : "unknown option " + words[at] + "\n" + ProgramUsage(),
                          ExitUsage);
        }
    }
    if (at >= words.size()) return Refuse("no command given\n" + ProgramUsage(), ExitUsage);
    const size_t named = at;
    const Command* command = Chosen(words, at);
    if (command == nullptr) {
        return Refuse("unknown command '" + words[named] +
                          (named + 1 < words.size() ? " " + words[named + 1] : std::string()) + "'\n" + ProgramUsage(),
                      ExitUsage);
    }
    auto args = ArgList::Parse(std::vector<std::string>(words.begin() + long(at), words.end()), command->rules);
    if (!args.ok()) return command->RefuseUsage(args.error());
    if (Status names = args.value().ToHostTexts(command->rules); !names.ok()) return Refuse(names.error());
    auto host = HostFolder::Prepare(home);
    if (!host.ok()) return Refuse(host.error());
    return command->run(*command, CommandContext{host.value(), std::move(args.value())});
}
