// Writes an s-expression text: lists, bare symbols, quoted strings and plain decimal numbers. The
// strings are a design's 8-bit texts, written out as UTF-8.
#pragma once
#include <string>

class SexprWriter {
public:
    // Every list opened at depth one or two starts on a line of its own, indented, so the file
    // reads one object per line.
    SexprWriter& Open(const std::string& head);
    SexprWriter& Close();
    SexprWriter& Symbol(const std::string& name);
    SexprWriter& String(const std::string& text);
    SexprWriter& Number(double value);
    const std::string& text() const { return text_; }

    // At most six decimals, no exponent, no trailing zeros and never "-0".
    static std::string FormatNumber(double value);
    static std::string Quote(const std::string& text);

private:
    void Space();

    std::string text_;
    int depth_ = 0;
    bool listStart_ = true;
};
