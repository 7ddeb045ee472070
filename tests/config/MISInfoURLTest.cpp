#include "config/ConfigFixture.h"

namespace ghdb::test {
namespace {

class MISInfoURLTest : public ConfigTest {};

CMISInfoURL Url(const char* key, const char* address) {
    CMISInfoURL url;
    url.KeyName = key;
    url.MISInfoURL = address;
    return url;
}

TEST_F(MISInfoURLTest, TheTableIsReadByAppendingAndReplacedInSetOrder) {
    Insert("GH_MISInfoURL (KeyName, MISInfoURL)", {"'case', 'http://a'", "'case', 'http://b'"});
    CMISInfoURLSet urls;
    EXPECT_EQ(access->GetAllMISInfoURL(urls), 2);
    ASSERT_EQ(urls.GetSize(), 2);
    EXPECT_EQ(urls.GetAt(0)->RefDBClassAccess(), access);
    EXPECT_EQ(urls.Find("case"), urls.GetAt(1));
    EXPECT_EQ(urls.Find("CASE"), nullptr);
    EXPECT_EQ(access->GetAllMISInfoURL(urls), 2);
    EXPECT_EQ(urls.GetSize(), 4);

    CMISInfoURLSet replacement;
    replacement.AddNew(Url("b", "http://b/it's"));
    replacement.AddNew(Url("a", "http://a"));
    EXPECT_EQ(access->EditAllMISInfoURL(replacement), 2);
    EXPECT_EQ(Rows("SELECT KeyName, MISInfoURL FROM GH_MISInfoURL"),
              (Table{{"b", "http://b/it's"}, {"a", "http://a"}}));
    CMISInfoURLSet none;
    EXPECT_EQ(access->EditAllMISInfoURL(none), 2);
    EXPECT_EQ(Count("GH_MISInfoURL"), 0);
}

TEST(MISInfoURLSet, CopiesAndAppendsOwnSeparateElementsAlsoFromThemselves) {
    CMISInfoURLSet first, second;
    first.AddNew(Url("a", "http://a"));
    first.AddNew(Url("b", "http://b"));
    second.AddNew(Url("z", "http://z"));
    second.AppendFrom(first);
    first.DeleteAt(0);
    ASSERT_EQ(second.GetSize(), 3);
    EXPECT_EQ(second.GetAt(1)->KeyName, "a");

    second.CopyFrom(second);
    EXPECT_EQ(second.GetSize(), 3);
    second.AppendFrom(second);
    ASSERT_EQ(second.GetSize(), 6);
    EXPECT_EQ(second.GetAt(3)->KeyName, "z");
    EXPECT_NE(second.GetAt(3), second.GetAt(0));
    second.CopyFrom(first);
    ASSERT_EQ(second.GetSize(), 1);
    EXPECT_EQ(second.GetAt(0)->KeyName, "b");
}

}  // namespace
}  // namespace ghdb::test
