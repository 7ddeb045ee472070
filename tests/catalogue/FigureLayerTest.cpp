#include <gtest/gtest.h>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

using Names = std::vector<std::string>;

CCADLayerInfo CadLayer(const char* name, long type, long sequence = 0, long parseId = 0) {
    CCADLayerInfo info;
    info.LayerName = name;
    info.Type = type;
    info.Sequence = sequence;
    info.ParseID = parseId;
    return info;
}

// A figure layer whose CAD layers (of the default kind) carry its parse id.
CFigureLayer Figure(long parseId, const char* name, std::initializer_list<const char*> layers) {
    CFigureLayer fl;
    fl.ParseID = parseId;
    fl.Name = name;
    long sequence = 0;
    for (const char* layer : layers) fl.AddCADLayerInfo(CadLayer(layer, 2, sequence++, parseId));
    return fl;
}

Names NamesOf(CFigureLayer& fl) {
    Names names;
    for (int i = 0; i < fl.GetCADInfoSize(); ++i)
        names.push_back(fl.GetCADLayerInfo(i).LayerName.str());
    return names;
}

class FigureLayerTest : public CatalogueTest {
protected:
    long Store(long parseId, const char* name, std::initializer_list<const char*> layers) {
        CFigureLayer fl = Figure(parseId, name, layers);
        return access->AddFigureLayer(fl);
    }
    Table Stored(long parseId) {
        return Rows("SELECT LayerName FROM GH_FigureLayer WHERE ParseID = " + N(parseId) +
                    " ORDER BY Sequence");
    }
};

TEST_F(FigureLayerTest, CADLayersAreFoundAndRemovedByKind) {
    CFigureLayer fl;
    const std::pair<const char*, long> layers[] = {{"one", 1}, {"a", 2}, {"b", 2}, {"c", 2}};
    for (const auto& [name, type] : layers) fl.AddCADLayerInfo(CadLayer(name, type));
    EXPECT_EQ(fl.GetDefaultLayerInfo(), &fl.GetCADLayerInfo(1));
    EXPECT_EQ(fl.GetTextLayerInfo(), nullptr);
    CArray<CCADLayerInfo*, CCADLayerInfo*> found;
    found.Add(nullptr);
    EXPECT_EQ(fl.GetCADInfoArray(CCADLayerInfo::DefaultLayer, found), 1);
    EXPECT_EQ(Each(found, &CCADLayerInfo::LayerName), (Names{"a", "b", "c"}));
    EXPECT_EQ(fl.GetCADInfoArray(CCADLayerInfo::TextLayer, found), 0);
    EXPECT_EQ(found.GetSize(), 0);

    EXPECT_EQ(fl.DeleteCADInfoArray(2, 1), 1);
    EXPECT_EQ(NamesOf(fl), (Names{"one", "a", "c"}));
    EXPECT_EQ(fl.DeleteCADInfoArray(2, 2), 0);
    EXPECT_EQ(fl.DeleteCADInfoArray(2, -1), 0);
    EXPECT_EQ(NamesOf(fl), (Names{"one"}));
}

TEST_F(FigureLayerTest, CopiesOwnTheirCADLayersAndSubtractingRemovesSharedNames) {
    CFigureLayer original = Figure(1, "f", {"A", "B", "C"});
    CFigureLayer copy(original);
    CFigureLayer assigned = Figure(9, "old", {"Z"});
    assigned = original;
    copy.GetCADLayerInfo(0).LayerName = "changed";
    assigned.ClearCADInfoArray();
    CFigureLayer& self = original;
    original = self;
    EXPECT_EQ(NamesOf(original), (Names{"A", "B", "C"}));
    EXPECT_EQ(NamesOf(copy), (Names{"changed", "B", "C"}));

    original -= Figure(2, "g", {"C", "b", "A", "X"});  // names compare case-sensitively
    EXPECT_EQ(NamesOf(original), (Names{"B"}));
    original -= original;
    EXPECT_EQ(original.GetCADInfoSize(), 0);
}

TEST_F(FigureLayerTest, ReadsOrderCADLayersByKindSequenceAndNameAndTooWideValuesAreNotCut) {
    CFigureLayer fl = Figure(4, "f", {});
    for (const auto& info : {CadLayer("text", 3, 0, 4), CadLayer("b", 2, 1, 4),
                             CadLayer("z", 2, 0, 4), CadLayer("a", 2, 1, 4)})
        fl.AddCADLayerInfo(info);
    fl.GetCADLayerInfo(0).GISInnerID = 70000;  // beyond two bytes: not stored cut
    ASSERT_EQ(access->AddFigureLayer(fl), 2);
    EXPECT_EQ(Count("GH_FigureLayer", "GISInnerID IS NULL"), 1);
    ASSERT_EQ(Store(5, "other", {"other"}), 2);

    CAutoReleaseArray<CCADLayerInfo*, CCADLayerInfo*> out;
    out.Add(new CCADLayerInfo(CadLayer("held", 0)));
    EXPECT_EQ(access->GetFigureLayer(4, out), 2);
    EXPECT_EQ(Each(out, &CCADLayerInfo::LayerName), (Names{"held", "z", "a", "b", "text"}));
    ReleaseArrayData(out, 0);
    EXPECT_EQ(access->GetAllFigureLayer(out), 2);
    EXPECT_EQ(Each(out, &CCADLayerInfo::LayerName), (Names{"other", "z", "a", "b", "text"}));
    ReleaseArrayData(out, 0);

    CFigureLayer mine = Figure(3, "mine", {"X"});
    EXPECT_EQ(access->GetFigureLayer(mine), -1);  // no index row: the CAD layers stay
    EXPECT_EQ(NamesOf(mine), (Names{"X"}));
    mine.ParseID = 4;
    EXPECT_EQ(access->GetFigureLayer(mine), 2);
    EXPECT_EQ(NamesOf(mine), (Names{"z", "a", "b", "text"}));
}

TEST_F(FigureLayerTest, EditsReplaceTheCADLayersAndOnRequestTheIndexRow) {
    ASSERT_EQ(Store(1, "first", {"A", "B"}), 2);
    ASSERT_EQ(Store(2, "second", {"K"}), 2);
    CFigureLayer fl = Figure(1, "renamed", {"C"});
    EXPECT_EQ(access->EditFigureLayer(fl, 0), 2);
    EXPECT_EQ(Stored(1), (Table{{"C"}}));
    EXPECT_EQ(Count("GH_FigureLayerIndex", "Name = 'first'"), 1);
    EXPECT_EQ(access->EditFigureLayer(fl, 1), 2);
    EXPECT_EQ(Rows("SELECT ParseID, Name FROM GH_FigureLayerIndex ORDER BY ParseID"),
              (Table{{"1", "renamed"}, {"2", "second"}}));

    CFigureLayer local = Figure(2, "ignored", {"L", "M"});
    EXPECT_EQ(access->EditFigureLayer_Local(2, local), 2);
    EXPECT_EQ(Stored(2), (Table{{"L"}, {"M"}}));
    EXPECT_EQ(Count("GH_FigureLayerIndex", "Name = 'second'"), 1);
    int exists = -1;
    EXPECT_EQ(access->ExistingFigureLayer(3, exists), 1);
    EXPECT_EQ(exists, 0);
}

TEST_F(FigureLayerTest, WritesStoreEverythingOrLeaveTheRowsAsTheyWere) {
    CFigureLayer empty = Figure(1, "empty", {});
    EXPECT_EQ(access->AddFigureLayer(empty), -1);
    ASSERT_EQ(Store(1, "first", {"A", "B"}), 2);
    EXPECT_EQ(access->EditFigureLayer(empty, 0), -1);
    EXPECT_EQ(access->EditFigureLayer_Local(1, empty), -1);
    EXPECT_EQ(Stored(1), (Table{{"A"}, {"B"}}));
    CFigureLayer unknown = Figure(7, "unknown", {"U"});
    EXPECT_EQ(access->EditFigureLayer(unknown, 1), -1);
    EXPECT_EQ(Count("GH_FigureLayer", "ParseID = 7"), 0);

    // A repeated CAD layer name makes the second CAD layer fail to store.
    Exec("CREATE UNIQUE INDEX GHT_FigureLayerName ON GH_FigureLayer (ParseID, LayerName)");
    EXPECT_EQ(Store(2, "second", {"C", "C"}), -1);
    EXPECT_EQ(Count("GH_FigureLayerIndex", "ParseID = 2") + Count("GH_FigureLayer", "ParseID = 2"),
              0);
    CFigureLayer repeated = Figure(1, "renamed", {"C", "C"});
    EXPECT_EQ(access->EditFigureLayer(repeated, 1), -1);
    EXPECT_EQ(access->EditFigureLayer_Local(1, repeated), -1);
    EXPECT_EQ(Stored(1), (Table{{"A"}, {"B"}}));
    EXPECT_EQ(Rows("SELECT ParseID, Name FROM GH_FigureLayerIndex"), (Table{{"1", "first"}}));
    EXPECT_EQ(messages.messages().size(), 3u);
}

TEST_F(FigureLayerTest, PlainDeleteKeepsTheExtensionsAndDeleteWithUsersOnlyRemovesUsedOnes) {
    ASSERT_EQ(Store(1, "used", {"A", "B"}), 2);
    ASSERT_EQ(Store(2, "unused", {"C"}), 2);
    ASSERT_EQ(Store(3, "other", {"D"}), 2);
    for (const auto& [layer, parse] : {std::pair{10, 1}, {11, 1}, {12, 3}}) {
        CLayerEx ex;
        ex.LayerID = layer;
        ex.LayerParseID = parse;
        ASSERT_EQ(access->AddGISLayerEx(ex), 2);
    }
    const auto rowsOf = [this](long parseId) {
        return Count("GH_FigureLayerIndex", "ParseID = " + N(parseId)) +
               Count("GH_FigureLayer", "ParseID = " + N(parseId));
    };
    EXPECT_EQ(access->DeleteFigureLayer(3), 2);
    EXPECT_EQ(rowsOf(3), 0);
    EXPECT_EQ(Count("GH_LayerEx", "LayerParseID = 3"), 1);

    const StatementLog& log = LogStatements();
    EXPECT_EQ(access->DeleteFigureLayerEx(1), 2);
    EXPECT_EQ(rowsOf(1), 0);
    EXPECT_EQ(Rows("SELECT LayerID FROM GH_LayerEx"), (Table{{"12"}}));
    ASSERT_FALSE(log.statements().empty());
    EXPECT_EQ(log.statements().back().rfind("Delete FROM GH_LayerEx", 0), 0u)
        << log.statements().back();
    EXPECT_EQ(access->DeleteFigureLayerEx(2), 2);  // unused: it stays
    EXPECT_EQ(rowsOf(2), 2);
}

}  // namespace
}  // namespace ghdb::test
