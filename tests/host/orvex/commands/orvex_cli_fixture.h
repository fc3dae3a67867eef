// The orvex program run as a person runs it, in a folder of its own per test, with no display,
// so that "run" goes headless or refuses.
#pragma once
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

class OrvexCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::path(TESSRA_TEST_OUT) / "orvex" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    static std::string Quote(const std::string& s) {
        std::string q = "'";
        for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }
    // `input` names a file of this folder that becomes standard input; `prefix` goes before
    // orvex on its shell line ("ulimit -f 64;", a user switch).
    Outcome Run(const std::vector<std::string>& args, const std::string& input = "/dev/null",
                const std::string& prefix = "") {
        std::string cmd = "cd " + Quote(dir_.string()) + " && " + prefix + " env -u DISPLAY -u WAYLAND_DISPLAY " +
                          environment_ + " " + Quote(ORVEX_BINARY) + " --home home";
        for (const auto& a : args) cmd.append(1, ' ').append(Quote(a));
        cmd += " <" + Quote(input) + " >out.txt 2>err.txt";
        const int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir_ / "out.txt"),
                ReadFile(dir_ / "err.txt")};
    }
    // The built plug-in in the host folder, where it is found first and keeps its tessra.ini.
    void InstallPlugin() {
        std::filesystem::create_directories(dir_ / "home");
        std::filesystem::create_symlink(TESSRA_MODULE, dir_ / "home" / "tessra.dll");
    }
    static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
    std::string File(const std::string& name) { return ReadFile(dir_ / name); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }

    std::filesystem::path dir_;
    std::string environment_;   // what `env` changes besides: "-u NAME" or "NAME=value" words
};
