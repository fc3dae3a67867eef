// SIGTERM, SIGINT and SIGHUP through the real program. A run whose script arrives through a pipe
// waits with its dialogs open; a signal then ends every one as Cancel, keeps nothing, saves the
// window state and exits with 128 + its number. A batch stopped halfway stores none of itself.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/host/orvex/commands/orvex_cli_fixture.h"

namespace {

class StopSignalTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
        ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
        ASSERT_EQ(Run({"padstack", "add", "d.design", "R", "--shape", "round", "--width", "1", "--height", "1"}).code, 0);
        ASSERT_EQ(Run({"library", "new", "l.olb", "--units", "mm"}).code, 0);
        ASSERT_EQ(Run({"padstack", "add", "l.olb", "Q", "--shape", "square", "--width", "1", "--height", "1"}).code, 0);
        ASSERT_EQ(Run({"library", "add", "l.olb"}).code, 0);
        before_ = File("d.design");
    }
    void TearDown() override {
        if (input_ >= 0) ::close(input_);
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    // Starts orvex in this folder with standard input from a pipe the test writes.
    void Start(const std::vector<std::string>& args) {
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        std::vector<std::string> words{ORVEX_BINARY, "--home", "home"};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        pid_ = ::fork();
        ASSERT_GE(pid_, 0);
        if (pid_ == 0) {
            ::dup2(pipeFds[0], STDIN_FILENO);
            ::close(pipeFds[1]);
            if (::chdir(dir_.c_str()) != 0 || !std::freopen("out.txt", "w", stdout) || !std::freopen("err.txt", "w", stderr))
                ::_exit(125);
            ::unsetenv("DISPLAY");
            ::unsetenv("WAYLAND_DISPLAY");
            ::execv(ORVEX_BINARY, argv.data());
            ::_exit(126);
        }
        ::close(pipeFds[0]);
        input_ = pipeFds[1];
    }
    void Send(const std::string& text) { ASSERT_EQ(::write(input_, text.data(), text.size()), ssize_t(text.size())); }
    // Whether the file appears within a generous while; a test that waits in vain fails.
    bool Appears(const std::string& name) {
        for (int i = 0; i < 2000 && !std::filesystem::exists(dir_ / name); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return std::filesystem::exists(dir_ / name);
    }
    // The exit status once the program ended, 1000 + the signal when one killed it; -1 when it did
    // not end within a generous while.
    int Ended() {
        int status = 0;
        for (int i = 0; i < 2000; ++i) {
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return -1;
    }

    std::string before_;
    pid_t pid_ = 0;
    int input_ = -1;
};

struct Stop {
    const char* name;
    int signal;
};
class StopRunTest : public StopSignalTest, public ::testing::WithParamInterface<Stop> {};

// The Select Padstack dialog is open over the sheet and holds a copy of the library's Q.
TEST_P(StopRunTest, EndsEveryDialogAsCancelAndKeepsNothing) {
    Start({"run", "d.design", "F1", "--script", "-"});
    Send("page 5\nclick 1058\nselect 1056 Q\nshot dialog d.png\n");
    ASSERT_TRUE(Appears("d.png")) << "the dialog did not open while the script was still coming: " << File("err.txt");
    ASSERT_EQ(::kill(pid_, GetParam().signal), 0);
    EXPECT_EQ(Ended(), 128 + GetParam().signal) << File("err.txt");
    EXPECT_TRUE(Has(File("err.txt"), std::string("orvex: stopped by ") + GetParam().name +
                                         "; nothing was stored; d.design is unchanged")) << File("err.txt");
    EXPECT_TRUE(Has(File("out.txt"), "result: 0\n")) << File("out.txt");
    EXPECT_EQ(File("d.design"), before_) << "neither the footprint nor the dialog's copy of Q";
    EXPECT_TRUE(Has(File("home/tessra.ini"), "TessraActivePage=5\r\n")) << "the window state is saved as on Cancel";
}

INSTANTIATE_TEST_SUITE_P(Signals, StopRunTest,
                         ::testing::Values(Stop{"SIGTERM", SIGTERM}, Stop{"SIGINT", SIGINT}, Stop{"SIGHUP", SIGHUP}),
                         [](const auto& info) { return std::string(info.param.name); });

// The window state is written when each footprint's sheet closes, so its file tells that the
// batch has begun; far more footprints follow than the signal needs to arrive.
TEST_F(StopSignalTest, ABatchStoppedHalfwayStoresNothingOfIt) {
    std::string batch = "[";
    for (int i = 0; i < 400; ++i)
        batch.append(i ? "," : "").append("{\"footprint\": \"F").append(std::to_string(i)).append(
            "\", \"style\": \"grid\", \"p\": 12, \"q\": 12, \"x\": 1, \"y\": 1}");
    Write("batch.json", batch + "]");
    Start({"generate", "d.design", "--from-json", "batch.json"});
    ASSERT_TRUE(Appears("home/tessra.ini"));
    ASSERT_EQ(::kill(pid_, SIGTERM), 0);
    EXPECT_EQ(Ended(), 128 + SIGTERM) << File("err.txt");
    EXPECT_TRUE(Has(File("err.txt"), "orvex: stopped by SIGTERM; nothing of the batch was stored; d.design is unchanged"))
        << File("err.txt");
    EXPECT_FALSE(Has(File("out.txt"), "stored")) << File("out.txt");
    EXPECT_EQ(File("d.design"), before_);
}

}  // namespace
