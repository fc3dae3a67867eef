// A script read as it arrives through a pipe: each action as soon as its line is whole, texts
// in the dialog's Latin-1, a bad line refused with its number, and a stop request that ends the
// wait for the next line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/orvex/requests/script_stream.h"
#include "platform/win/stop_request.h"

namespace {

using More = HeadlessDriver::More;

class ScriptStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::path(TESSRA_TEST_OUT) / "script_stream" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        fifo_ = (dir_ / "script").string();
        ASSERT_EQ(::mkfifo(fifo_.c_str(), 0600), 0);
        ASSERT_TRUE(stop_request::Prepare());
        stop_request::Clear();
    }
    void TearDown() override {
        if (writer_ >= 0) ::close(writer_);
        stop_request::Clear();
    }
    std::unique_ptr<ScriptStream> Open() {
        const int reader = ::open(fifo_.c_str(), O_RDONLY | O_NONBLOCK);   // lets the writer's open return
        writer_ = ::open(fifo_.c_str(), O_WRONLY);
        auto stream = ScriptStream::Open(fifo_);
        ::close(reader);
        EXPECT_TRUE(stream.ok()) << stream.error();
        return stream.ok() ? std::move(stream.value()) : nullptr;
    }
    void Send(const std::string& text) { ASSERT_EQ(::write(writer_, text.data(), text.size()), ssize_t(text.size())); }
    void EndOfScript() {
        ::close(writer_);
        writer_ = -1;
    }

    std::filesystem::path dir_;
    std::string fifo_;
    int writer_ = -1;
};

TEST_F(ScriptStreamTest, EachActionComesAsItsLineIsWhole) {
    auto stream = Open();
    ASSERT_TRUE(stream);
    std::vector<ScriptAction> actions;
    std::string error;
    Send("# a comment\n\npage 5\nselect 1056 \"P\xC3\xB8\"\nty");
    EXPECT_EQ(stream->Next(actions, error), More::Some);
    EXPECT_EQ(stream->Next(actions, error), More::Some);
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0].verb, ScriptVerb::Page);
    EXPECT_EQ(actions[0].line, 3);
    EXPECT_EQ(actions[1].text, "P\xF8") << "the dialog's 8-bit text";
    Send("pe 4026 7");   // the last line needs no line break
    EndOfScript();
    EXPECT_EQ(stream->Next(actions, error), More::Some);
    ASSERT_EQ(actions.size(), 3u);
    EXPECT_EQ(actions[2].verb, ScriptVerb::Type);
    EXPECT_EQ(actions[2].line, 5);
    EXPECT_EQ(stream->Next(actions, error), More::End);
    EXPECT_EQ(error, "");
}

struct BadLine {
    const char* name;
    const char* text;
    const char* error;
};
class ScriptStreamBadLineTest : public ScriptStreamTest, public ::testing::WithParamInterface<BadLine> {};

TEST_P(ScriptStreamBadLineTest, FailsNamingTheLine) {
    auto stream = Open();
    ASSERT_TRUE(stream);
    Send(std::string("ok\n") + GetParam().text);
    EndOfScript();
    std::vector<ScriptAction> actions;
    std::string error;
    EXPECT_EQ(stream->Next(actions, error), More::Some);
    EXPECT_EQ(stream->Next(actions, error), More::Failed);
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Lines, ScriptStreamBadLineTest, ::testing::Values(
    BadLine{"UnknownAction", "frob 3\n", "line 2: unknown action \"frob\""},
    BadLine{"OpenQuote", "type 4026 \"7\n", "line 2: a quoted text is not closed"},
    BadLine{"BeyondLatin1", "expect 1021 \"\xE2\x82\xAC\"\n", "line 2: the text \"\xE2\x82\xAC\" holds U+20AC (\xE2\x82\xAC) as "
                                                               "its character 1, which is not Latin-1, the 8-bit character "
                                                               "set of the names in a design"}),
    [](const auto& info) { return std::string(info.param.name); });

// Nothing more is written, and a signal comes: the wait ends without an action, and the next
// line, once written, is still read.
TEST_F(ScriptStreamTest, AStopRequestEndsTheWait) {
    auto stream = Open();
    ASSERT_TRUE(stream);
    std::vector<ScriptAction> actions;
    std::string error;
    stop_request::Raise(SIGTERM);
    EXPECT_EQ(stream->Next(actions, error), More::NotYet);
    EXPECT_TRUE(actions.empty());
    EXPECT_EQ(error, "");
    stop_request::Clear();
    Send("ok\n");
    EXPECT_EQ(stream->Next(actions, error), More::Some);
}

TEST_F(ScriptStreamTest, OnlyWhatIsNotAFileArrives) {
    std::ofstream(dir_ / "s.txt") << "ok\n";
    EXPECT_FALSE(ScriptStream::Arrives((dir_ / "s.txt").string()));
    EXPECT_FALSE(ScriptStream::Arrives((dir_ / "missing.txt").string()));
    EXPECT_TRUE(ScriptStream::Arrives(fifo_));
    EXPECT_TRUE(ScriptStream::Arrives("/dev/null"));
}

}  // namespace
