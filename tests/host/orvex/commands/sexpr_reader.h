// Reads back the s-expression files orvex writes: lists, symbols, quoted strings.
#pragma once
#include <cstdlib>
#include <string>
#include <vector>

struct Sexpr {
    std::string atom;            // symbol or string text when not a list
    bool quoted = false;
    bool list = false;
    std::vector<Sexpr> items;

    // The sub-lists whose head symbol is `head`.
    std::vector<const Sexpr*> All(const std::string& head) const {
        std::vector<const Sexpr*> found;
        for (const auto& i : items) {
            if (i.list && !i.items.empty() && i.items[0].atom == head) found.push_back(&i);
        }
        return found;
    }
    const Sexpr* First(const std::string& head) const {
        auto a = All(head);
        return a.empty() ? nullptr : a[0];
    }
    double Num(size_t i) const { return i < items.size() ? std::strtod(items[i].atom.c_str(), nullptr) : -999; }
    std::string Text(size_t i) const { return i < items.size() ? items[i].atom : ""; }
};

class SexprReader {
public:
    explicit SexprReader(const std::string& text) : s_(text) {}
    // False on anything unbalanced, unterminated or trailing.
    bool Read(Sexpr& out) {
        Skip();
        if (!Item(out)) return false;
        Skip();
        return at_ == s_.size();
    }

private:
    void Skip() {
        while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
    }
    bool Item(Sexpr& out) {
        if (at_ >= s_.size()) return false;
        if (s_[at_] == '(') {
            ++at_;
            out.list = true;
            for (Skip(); at_ < s_.size() && s_[at_] != ')'; Skip()) {
                out.items.emplace_back();
                if (!Item(out.items.back())) return false;
            }
            if (at_ >= s_.size()) return false;
            ++at_;
            return true;
        }
        if (s_[at_] == '"') return Quoted(out);
        while (at_ < s_.size() && !std::isspace(static_cast<unsigned char>(s_[at_])) && s_[at_] != '(' &&
               s_[at_] != ')' && s_[at_] != '"') {
            out.atom += s_[at_++];
        }
        return !out.atom.empty();
    }
    bool Quoted(Sexpr& out) {
        out.quoted = true;
        for (++at_; at_ < s_.size(); ++at_) {
            if (s_[at_] == '"') {
                ++at_;
                return true;
            }
            if (s_[at_] == '\\' && ++at_ < s_.size()) {
                out.atom += s_[at_] == 'n' ? '\n' : s_[at_];
            } else {
                out.atom += s_[at_];
            }
        }
        return false;
    }

    const std::string& s_;
    size_t at_ = 0;
};
