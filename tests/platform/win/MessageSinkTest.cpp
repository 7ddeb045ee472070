#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win/ComputerName.h"
#include "platform/win/MessageSink.h"

using namespace ghdb;

namespace {

struct Shown {
    std::string text;
    std::string caption;
};

class MessageSinkTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetMessageHandler(Capture()); }
    void TearDown() override { SetMessageHandler(std::move(previous_)); }

    MessageHandler Capture() {
        return [this](const char* text, const char* caption) { shown_.push_back({text, caption}); };
    }

    std::vector<Shown> shown_;

private:
    MessageHandler previous_;
};

TEST_F(MessageSinkTest, HandlerReceivesTextAndCaption) {
    ShowMessage("连接数据库失败!", "数据库错误");
    ShowMessage("line one\nline two", "caption");
    ShowMessage(nullptr, nullptr);  // null text and caption arrive empty
    ASSERT_EQ(shown_.size(), 3U);
    EXPECT_EQ(shown_[0].text, "连接数据库失败!");
    EXPECT_EQ(shown_[0].caption, "数据库错误");
    EXPECT_EQ(shown_[1].text, "line one\nline two");
    EXPECT_EQ(shown_[2].text + shown_[2].caption, "");
}

TEST_F(MessageSinkTest, SettingTheReturnedHandlerBackRestoresIt) {
    std::vector<std::string> other;
    MessageHandler mine =
        SetMessageHandler([&](const char* text, const char*) { other.emplace_back(text); });
    ASSERT_TRUE(mine);
    ShowMessage("to other", "c");
    MessageHandler replaced = SetMessageHandler(std::move(mine));
    ShowMessage("to mine", "c");

    ASSERT_EQ(other.size(), 1U);
    EXPECT_EQ(other[0], "to other");
    ASSERT_EQ(shown_.size(), 1U);
    EXPECT_EQ(shown_[0].text, "to mine");

    replaced("direct", "c");  // the returned handler is the one that was installed
    EXPECT_EQ(other.size(), 2U);
}

TEST_F(MessageSinkTest, DefaultWritesOneLineToStderrAndReportsAsEmpty) {
    MessageHandler mine = SetMessageHandler(nullptr);
    EXPECT_FALSE(SetMessageHandler(nullptr));  // the default is active: nothing to return

    testing::internal::CaptureStderr();
    ShowMessage("no table\nGH_Layer", "数据库错误");
    ShowMessage(nullptr, "c");
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(written, "数据库错误: no table\nGH_Layer\nc: \n");

    SetMessageHandler(std::move(mine));
    ShowMessage("captured again", "c");
    EXPECT_EQ(shown_.size(), 1U);
}

TEST_F(MessageSinkTest, HandlerMayShowMessagesAndReplaceItself) {
    MessageHandler capture = Capture();
    SetMessageHandler([&](const char* text, const char* caption) {
        // A one-shot handler: puts the capturing one back, then reports through it.
        SetMessageHandler(capture);
        ShowMessage(text, caption);
        ShowMessage("second", caption);
    });
    ShowMessage("first", "c");
    ShowMessage("third", "c");

    ASSERT_EQ(shown_.size(), 3U);
    EXPECT_EQ(shown_[0].text, "first");
    EXPECT_EQ(shown_[1].text, "second");
    EXPECT_EQ(shown_[2].text, "third");
}

TEST(ComputerNameTest, NameIsTheNonEmptyHostNameWithoutStrayBytes) {
    const CString name = GetComputerName();
    EXPECT_FALSE(name.IsEmpty());
    EXPECT_EQ(name.GetLength(), static_cast<int>(std::string(name).size()));
    EXPECT_EQ(name.Find('\n'), -1);
}

}  // namespace
