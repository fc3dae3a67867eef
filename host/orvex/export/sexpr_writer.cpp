// The s-expression writer; see sexpr_writer.h.
#include "host/orvex/export/sexpr_writer.h"

#include <cmath>
#include <cstdio>

#include "host/orvex/text/latin1.h"

SexprWriter& SexprWriter::Open(const std::string& head) {
    if (depth_ > 0 && depth_ <= 2) {
        text_.push_back('\n');
        text_.append(size_t(depth_) * 2, ' ');
    } else {
        Space();
    }
    text_ += "(" + head;
    ++depth_;
    listStart_ = false;
    return *this;
}

SexprWriter& SexprWriter::Close() {
    if (depth_ == 1) text_ += "\n";
    text_ += ")";
    if (--depth_ == 0) text_ += "\n";
    return *this;
}

SexprWriter& SexprWriter::Symbol(const std::string& name) {
    Space();
    text_ += name;
    return *this;
}

SexprWriter& SexprWriter::String(const std::string& text) {
    Space();
    text_ += Quote(text);
    return *this;
}

SexprWriter& SexprWriter::Number(double value) {
    Space();
    text_ += FormatNumber(value);
    return *this;
}

void SexprWriter::Space() {
    if (!listStart_) text_ += " ";
    listStart_ = false;
}

std::string SexprWriter::FormatNumber(double value) {
    if (!std::isfinite(value)) return "0";
    char buffer[512];   // "%.6f" of the largest double fits
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    std::string s = buffer;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string SexprWriter::Quote(const std::string& text) {
    std::string q = "\"";
    // A design's texts are Latin-1; the file is UTF-8.
    for (char c : Utf8FromLatin1(text)) {
        if (c == '"' || c == '\\') {
            q += '\\';
            q += c;
        } else if (c == '\n') {
            q += "\\n";
        } else {
            q += c;
        }
    }
    return q + "\"";
}
