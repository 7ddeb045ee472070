#include <gtest/gtest.h>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

using Table = std::vector<std::vector<std::string>>;

class MISInfoURLTest : public DatabaseTest {
protected:
    static CMISInfoURL Url(const char* key, const char* address) {
        CMISInfoURL url;
        url.KeyName = key;
        url.MISInfoURL = address;
        return url;
    }
};

TEST_F(MISInfoURLTest, ReadingAppendsInServerOrderAndTheLastOfAKeyIsFound) {
    Exec(
        "INSERT INTO GH_MISInfoURL (KeyName, MISInfoURL, Remark) VALUES ('case', 'http://a', "
        "'first')");
    Exec("INSERT INTO GH_MISInfoURL (KeyName, MISInfoURL) VALUES ('map', 'http://m')");
    Exec(
        "INSERT INTO GH_MISInfoURL (KeyName, MISInfoURL, Remark) VALUES ('case', 'http://b', "
        "'second')");
    CMISInfoURLSet urls;
    EXPECT_EQ(access->GetAllMISInfoURL(urls), 2);
    ASSERT_EQ(urls.GetSize(), 3);
    EXPECT_EQ(urls.GetAt(0)->Remark, "first");
    EXPECT_EQ(urls.GetAt(0)->RefDBClassAccess(), access);
    ASSERT_NE(urls.Find("case"), nullptr);
    EXPECT_EQ(urls.Find("case")->MISInfoURL, "http://b");
    EXPECT_EQ(urls.Find("CASE"), nullptr);
    EXPECT_EQ(urls.Find(urls.GetAt(1)), 1);

    // A second read appends again.
    EXPECT_EQ(access->GetAllMISInfoURL(urls), 2);
    EXPECT_EQ(urls.GetSize(), 6);
}

TEST_F(MISInfoURLTest, ReplacingTheTableStoresTheSetInOrder) {
    Exec("INSERT INTO GH_MISInfoURL (KeyName, MISInfoURL) VALUES ('old', 'http://o')");
    CMISInfoURLSet urls;
    urls.AddNew(Url("b", "http://b/it's"));
    urls.AddNew(Url("a", "http://a"));
    EXPECT_EQ(access->EditAllMISInfoURL(urls), 2);
    CMISInfoURLSet stored;
    access->GetAllMISInfoURL(stored);
    ASSERT_EQ(stored.GetSize(), 2);
    EXPECT_EQ(stored.GetAt(0)->MISInfoURL, "http://b/it's");
    EXPECT_EQ(stored.GetAt(1)->KeyName, "a");

    CMISInfoURLSet none;
    EXPECT_EQ(access->EditAllMISInfoURL(none), 2);
    EXPECT_EQ(Count("GH_MISInfoURL"), 0);
}

TEST_F(MISInfoURLTest, CopiesAndAppendsOwnSeparateElementsAlsoFromThemselves) {
    CMISInfoURLSet first;
    first.AddNew(Url("a", "http://a"));
    first.AddNew(Url("b", "http://b"));

    CMISInfoURLSet second;
    second.AddNew(Url("z", "http://z"));
    second.AppendFrom(first);
    ASSERT_EQ(second.GetSize(), 3);
    EXPECT_NE(second.GetAt(1), first.GetAt(0));
    first.DeleteAt(0);
    EXPECT_EQ(second.GetAt(1)->KeyName, "a");

    second.CopyFrom(second);
    EXPECT_EQ(second.GetSize(), 3);
    EXPECT_EQ(second.GetAt(0)->KeyName, "z");

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
