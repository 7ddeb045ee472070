#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

class PageInfoTest : public DatabaseTest {};

TEST_F(PageInfoTest, PagesAreReadByNumberOrLayerAndRemovedPerLayerSilently) {
    Exec("INSERT INTO GHGIS_PageInfo (PageNum, PageName, LayerId) VALUES (1, 'general', 10)");
    Exec("INSERT INTO GHGIS_PageInfo (PageNum, PageName, LayerId) VALUES (2, 'survey', 10)");
    Exec("INSERT INTO GHGIS_PageInfo (PageNum, PageName, LayerId) VALUES (1, 'other', 11)");
    CGHPageInfo page;
    EXPECT_EQ(access->GetFieldPageInfo(2, 10, page), 2);
    EXPECT_EQ(page.PageName, "survey");
    page.PageName = "kept";
    EXPECT_EQ(access->GetFieldPageInfo(3, 10, page), 1);
    EXPECT_EQ(page.PageName, "kept");

    CAutoReleaseArray<CGHPageInfo*, CGHPageInfo*&> pages;
    EXPECT_EQ(access->GetAllPageInfo(10, pages), 2);
    ASSERT_EQ(pages.GetSize(), 2);
    EXPECT_EQ(std::min(pages[0]->PageNum, pages[1]->PageNum), 1);
    EXPECT_EQ(std::max(pages[0]->PageNum, pages[1]->PageNum), 2);

    EXPECT_EQ(access->DelPageInfoByLayer(10), 2);
    EXPECT_EQ(Rows("SELECT PageName FROM GHGIS_PageInfo"), (Table{{"other"}}));
    Exec("DROP TABLE GHGIS_PageInfo");
    EXPECT_EQ(access->DelPageInfoByLayer(11), -1);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
