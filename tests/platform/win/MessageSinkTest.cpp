#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win/ComputerName.h"
#include "platform/win/MessageSink.h"
#include "support/TestDatabase.h"

namespace ghdb {
namespace {

using Shown = std::vector<test::MessageCapture::Message>;

TEST(MessageSinkTest, HandlerReceivesTextAndCaptionAndIsRestoredWhenSetBack) {
    test::MessageCapture captured;
    ShowMessage("连接数据库失败!", "数据库错误");
    ShowMessage("line one\nline two", "caption");
    ShowMessage(nullptr, nullptr);  // null text and caption arrive empty
    EXPECT_EQ(
        captured.messages(),
        (Shown{{"连接数据库失败!", "数据库错误"}, {"line one\nline two", "caption"}, {"", ""}}));

    captured.clear();
    std::vector<std::string> other;
    MessageHandler mine =
        SetMessageHandler([&](const char* text, const char*) { other.emplace_back(text); });
    ASSERT_TRUE(mine);
    ShowMessage("to other", "c");
    MessageHandler replaced = SetMessageHandler(std::move(mine));
    ShowMessage("to mine", "c");
    EXPECT_EQ(other, std::vector<std::string>{"to other"});
    EXPECT_EQ(captured.messages(), (Shown{{"to mine", "c"}}));
    replaced("direct", "c");  // the returned handler is the one that was installed
    EXPECT_EQ(other.size(), 2U);
}

TEST(MessageSinkTest, DefaultWritesOneLineToStderrAndAHandlerMayReplaceItself) {
    test::MessageCapture captured;
    MessageHandler capture = SetMessageHandler(nullptr);
    EXPECT_FALSE(SetMessageHandler(nullptr));  // the default is active: nothing to return
    testing::internal::CaptureStderr();
    ShowMessage("no table\nGH_Layer", "数据库错误");
    ShowMessage(nullptr, "c");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "数据库错误: no table\nGH_Layer\nc: \n");
    EXPECT_TRUE(captured.messages().empty());

    SetMessageHandler([&](const char* text, const char* caption) {
        // A one-shot handler: puts the capturing one back, then reports through it.
        SetMessageHandler(capture);
        ShowMessage(text, caption);
        ShowMessage("second", caption);
    });
    ShowMessage("first", "c");
    ShowMessage("third", "c");
    EXPECT_EQ(captured.messages(), (Shown{{"first", "c"}, {"second", "c"}, {"third", "c"}}));
}

TEST(ComputerNameTest, NameIsTheNonEmptyHostNameWithoutStrayBytes) {
    const CString name = GetComputerName();
    EXPECT_FALSE(name.IsEmpty());
    EXPECT_EQ(name.GetLength(), static_cast<int>(std::string(name).size()));
    EXPECT_EQ(name.Find('\n'), -1);
}

}  // namespace
}  // namespace ghdb
