// A line of a dialog script aimed at a control, written with the control's name so that a test
// reads as the dialog does: Act("type", IDC_NUMBER_P, "12") is "type 4026 12".
#pragma once
#include <string>
#include <string_view>

inline std::string Act(std::string_view verb, int control, std::string_view text) {
    std::string line = std::string(verb) + " " + std::to_string(control) + " ";
    // "#" opens a comment unless it is an entry position such as "#2".
    const bool position = text.size() > 1 && text[0] == '#' &&
                          text.find_first_not_of("0123456789", 1) == std::string_view::npos;
    const bool plain = !text.empty() && text.find_first_of(" \t\"\\") == std::string_view::npos &&
                       (text[0] != '#' || position);
    if (plain) return line.append(text) + "\n";
    line += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') line += '\\';
        line += c;
    }
    return line + "\"\n";
}

inline std::string Act(std::string_view verb, int control) {
    return std::string(verb) + " " + std::to_string(control) + "\n";
}
