#include <gtest/gtest.h>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

using SpacialDBInfoTest = CatalogueTest;

TEST(SpacialDBInfoParams, EmptyParametersArePlaceholdersAndLongOnesAreKeptWhole) {
    CSpacialDBInfo db;
    CString server = "S", dbName = "D", uid = "sde", pwd, dbType = kDBTypeArcSDE, port = "5151";
    db.SetConnectParam(server, dbName, uid, pwd, dbType, port);
    EXPECT_EQ(db.ConnectionString,
              "Server=S DBName=D UID=sde PWD=__NULL__ DBType=ArcSDE Port=5151");
    EXPECT_EQ(pwd, "__NULL__");  // the caller's string is changed too
    EXPECT_EQ(db.SpacialDBDesc(), "服务器：S; 数据库：D; 类型：ArcSDE; 端口5151");

    CString s, d, u, p, t, n;
    db.GetConnectParam(s, d, u, p, t, n);
    EXPECT_EQ(u, "sde");
    EXPECT_EQ(p, "");

    server = CString('s', 3000);
    pwd = CString('p', 700);
    db.SetConnectParam(server, dbName, uid, pwd, dbType, port);
    db.GetConnectParam(s, d, u, p, t, n);
    EXPECT_EQ(s, CString('s', 3000));
    EXPECT_EQ(p, CString('p', 700));
    EXPECT_EQ(n, "5151");
}

TEST_F(SpacialDBInfoTest, EditsAreStoredWhileTheCacheAsksOnceAndKeepsTheRowAsFirstRead) {
    const long id = AddSpacialDB("cached", kDBTypeArcSDE);
    AddSpacialDB("second", kDBTypeVexor);
    StatementLog& log = LogStatements();
    CSpacialDBInfo* first = access->GetSpacialDBInfo(id);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(access->GetSpacialDBInfo(id), first);
    EXPECT_EQ(log.statements().size(), 1u);
    EXPECT_EQ(first->RefDBClassAccess(), nullptr);  // it does not keep its owner alive

    CSpacialDBInfo edited;
    ASSERT_EQ(access->GetSpacialDBInfo(id, edited), 2);
    edited.DBAlias = "changed";
    ASSERT_EQ(access->EditSpacialDBInfo(edited), 2);
    EXPECT_EQ(Rows("SELECT DBAlias FROM GHGIS_SpacialDBInfo WHERE DBID = " + N(id)),
              (Table{{"changed"}}));
    EXPECT_EQ(access->GetSpacialDBInfo(id)->DBAlias, "cached");
    edited.DBID = 999;
    EXPECT_EQ(access->EditSpacialDBInfo(edited), 1);

    CAutoReleaseArray<CSpacialDBInfo*, CSpacialDBInfo*> all;
    all.Add(new CSpacialDBInfo);
    EXPECT_EQ(access->GetAllSpacialDBInfo(all), 2);  // appends
    EXPECT_EQ(all.GetSize(), 3);

    // A missing database is not remembered.
    log.clear();
    EXPECT_EQ(access->GetSpacialDBInfo(4711), nullptr);
    EXPECT_EQ(access->GetSpacialDBInfo(4711), nullptr);
    EXPECT_EQ(log.statements().size(), 2u);
}

TEST_F(SpacialDBInfoTest, DeletingADatabaseRemovesItsLayersWithWhatTheCascadeNames) {
    const long empty = AddSpacialDB("empty", kDBTypeArcSDE);
    const long gone = AddSpacialDB("gone", kDBTypeArcSDE);
    const long kept = AddSpacialDB("kept", kDBTypeArcSDE);
    InsertLayer(10, "a", gone);
    InsertLayer(11, "b", gone);
    InsertLayer(20, "c", kept);
    for (long layer : {10, 11, 20}) {
        Link(1, layer, layer);
        AddDependants(layer, layer * 10);
    }
    EXPECT_EQ(access->DeleteSpacialDBInfo(empty), 2);
    EXPECT_EQ(Count("GHGIS_Layer"), 3);

    EXPECT_EQ(access->DeleteSpacialDBInfo(gone), 2);
    EXPECT_TRUE(messages.messages().empty()) << messages.messages()[0].text;
    // Relations, pages, functions and road standards are not among what the cascade names.
    Counts removed = None();
    for (const char* untouched :
         {"GH_FieldsRelConfig", "GHGIS_PageInfo", "GHGIS_FunLayerConfig", "GHSJ_RoadLayerConfig"})
        removed[untouched] = 1;
    EXPECT_EQ(Dependants(10, 100), removed);
    EXPECT_EQ(Dependants(11, 110), removed);
    EXPECT_EQ(Dependants(20, 200), Whole());
    EXPECT_EQ(Rows("SELECT DBAlias FROM GHGIS_SpacialDBInfo"), (Table{{"kept"}}));
}

}  // namespace
}  // namespace ghdb::test
