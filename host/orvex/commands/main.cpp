// orvex, the host program: common options, then one command from the table.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/orvex/commands/command_table.h"

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    std::string home;
    size_t at = 0;
    while (at < words.size() && words[at].compare(0, 2, "--") == 0) {
        if (words[at] == "--home" && at + 1 < words.size()) {
            home = words[at + 1];
            at += 2;
        } else if (words[at] == "--help") {
            std::fputs(Usage().c_str(), stdout);
            return ExitOk;
        } else {
            return Refuse(words[at] == "--home" ? "option --home needs a folder"
                                                : "unknown option " + words[at] + "\n" + Usage(),
                          ExitUsage);
        }
    }
    if (at >= words.size()) return Refuse("no command given\n" + Usage(), ExitUsage);
    const Command* chosen = nullptr;
    for (const auto& c : Commands()) {
        if (words[at] != c.name) continue;
        if (c.sub == nullptr) {
            chosen = &c;
            at += 1;
            break;
        }
        if (at + 1 < words.size() && words[at + 1] == c.sub) {
            chosen = &c;
            at += 2;
            break;
        }
    }
    if (chosen == nullptr) {
        return Refuse("unknown command '" + words[at] +
                          (at + 1 < words.size() ? " " + words[at + 1] : std::string()) + "'\n" +
                          Usage(),
                      ExitUsage);
    }
    auto host = HostFolder::Prepare(home);
    if (!host.ok()) return Refuse(host.error());
    CommandContext context{host.value(), std::vector<std::string>(words.begin() + long(at), words.end())};
    return chosen->run(context);
}
