#include <gtest/gtest.h>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

// A record whose columns a host writes itself.
template <class Record>
class Writable : public Record {
public:
    using Record::WriteToFields;
};

class PipeSettingsTest : public DatabaseTest {
protected:
    // Stores the record as a new row of `table`, as a host maintaining the table does.
    template <class Record>
    void Store(const char* table, Writable<Record>& record) {
        Recordset rows;
        rows.Open((std::string("SELECT * FROM ") + table + " WHERE (1 = -1)").c_str(),
                  access->RefConnection(), adOpenKeyset, adLockOptimistic, adCmdText);
        FieldsPtr fields = rows.GetFields();
        rows.AddNew();
        record.WriteToFields(fields);
        rows.Update();
    }

    void Fill() {
        Insert("GH_PipeDatasetDef (DatasetID, DatasetName, IsMapSheet, Sequence)",
               {"7, 'second', 1, 2", "8, 'first', 0, 1"});
        Insert("GH_PipeTypeDef (PipeName, PipeCode, PipePointLayerID, PipeLineLayerID, Sequence)",
               {"'rain', 'YS', 3, 4, 2", "'water', 'JS', 1, 2, 1"});
        Insert("GH_PipeSpecFieldDef (DefName, LayerID, FieldName)",
               {"'a', 1, 'GJ'", "'b', 2, 'CZ'"});
        Insert("GH_PipePredefineFieldDef (PipeCode, PredefineField, LayerID)",
               {"'JS', 'GJ', 1", "'YS', 'CZ', 2"});
        Insert("GH_PipeLabelBlock (PipeName, PipeCode, BlockXScale)",
               {"'a', 'JS', 2.5", "'b', 'YS', 0.1"});
        Insert("GH_PipeFuncFontHeiDef (FuncNo, FuncName, FuncFontHei)",
               {"1, 'a', 2.5", "2, 'b', 0.1"});
        Insert("GH_PipeHStandardDef (PType1, PType2, MType2, HDist)",
               {"'JS', 'YS', 3, 1.5", "'JS', 'WS', 4, 0.1"});
        Insert("GH_PipeVStandardDef (PType1, PType2, MType2, VDist)",
               {"'JS', 'YS', 3, 0.15", "'JS', 'WS', 4, 0.1"});
        Insert("GH_PipeCStandardDef (PType, MType, WDeep, DDeep)",
               {"'JS', 1, 0.7, 1.2", "'YS', 2, 0.1, 0.1"});
    }
};

// Measures are single precision: 0.1 is read as the single nearest to it.
constexpr double kSingle = static_cast<double>(0.1f);

TEST_F(PipeSettingsTest, EveryListingReadsItsWholeTableAfreshInItsOrder) {
    Fill();
    const StatementLog& log = LogStatements();
    const std::string single = Text(kSingle);
    // Some arrays hold an element from before: the listings replace what the arrays held.
    CPipeSysDataset stale;
    CPipeSysDataset* stalePointer = &stale;
    CArray<CPipeSysDataset*, CPipeSysDataset*&> datasets;
    datasets.Add(stalePointer);
    ASSERT_EQ(access->GetAllPipeDatasets(datasets), 2);
    EXPECT_EQ(Each(datasets,
                   [](auto* d) {
                       return Row(d->DatasetID, d->DatasetName, d->IsMapSheet ? 1 : 0,
                                  d->Layers.GetSize());
                   }),
              (Table{{"8", "first", "0", "0"}, {"7", "second", "1", "0"}}));
    ReleaseArrayData(datasets, 0);

    CArray<CPipeTypeDef, CPipeTypeDef> types;
    types.Add(CPipeTypeDef());
    ASSERT_EQ(access->GetAllPipeTypeDef(types), 2);
    EXPECT_EQ(Each(types, [](auto& t) { return Row(t.PipeCode, t.PipeLineLayerID); }),
              (Table{{"JS", "2"}, {"YS", "4"}}));
    CArray<CPipeSpecFieldDef, CPipeSpecFieldDef> special;
    special.Add(CPipeSpecFieldDef());
    EXPECT_EQ(access->GetAllPipeSpecFieldDef(special), 2);
    EXPECT_EQ(Each(special, [](auto& f) { return Row(f.FieldName); }), (Table{{"GJ"}, {"CZ"}}));
    CArray<CPipePredefineFieldDef, CPipePredefineFieldDef> predefined;
    EXPECT_EQ(access->GetAllPipePredefineFieldDef(predefined), 2);
    EXPECT_EQ(Each(predefined, [](auto& f) { return Row(f.PipeCode, f.LayerID); }),
              (Table{{"JS", "1"}, {"YS", "2"}}));
    CAutoReleaseArray<CPipeSymbolBlock*, CPipeSymbolBlock*&> blocks;
    EXPECT_EQ(access->GetAllPipeSymbolBlockdDatasets(blocks), 2);
    EXPECT_EQ(Each(blocks, [](auto* b) { return Text(b->BlockXScale); }),
              (std::vector<std::string>{"2.5", single}));
    CAutoReleaseArray<CPipeFontHei*, CPipeFontHei*&> fonts;
    EXPECT_EQ(access->GetAllPipeFuncFontHeidDatasets(fonts), 2);
    EXPECT_EQ(Each(fonts, [](auto* f) { return Row(f->FuncNo, f->FuncFontHei); }),
              (Table{{"1", "2.5"}, {"2", single}}));
    CArray<CHStandardDistDef, CHStandardDistDef> horizontal;
    EXPECT_EQ(access->GetAllHStandardDatasets(horizontal), 2);
    EXPECT_EQ(Each(horizontal, [](auto& h) { return Row(h.MType2, h.HDist); }),
              (Table{{"3", "1.5"}, {"4", single}}));
    CAutoReleaseArray<CVStandardDistDef*, CVStandardDistDef*&> vertical;
    EXPECT_EQ(access->GetAllVStandardDatasets(vertical), 2);
    EXPECT_EQ(Each(vertical, [](auto* v) { return Row(v->PType2, v->VDist); }),
              (Table{{"YS", Text(static_cast<double>(0.15f))}, {"WS", single}}));
    CArray<CCStandardDistDef, CCStandardDistDef&> depths;
    EXPECT_EQ(access->GetAllCStandardDatasets(depths), 2);
    EXPECT_EQ(Each(depths, [](auto& d) { return Row(d.WDeep, d.DDeep); }),
              (Table{{Text(static_cast<double>(0.7f)), Text(static_cast<double>(1.2f))},
                     {single, single}}));

    EXPECT_EQ(log.statements(), (std::vector<std::string>{
                                    "SELECT * FROM GH_PipeDatasetDef order by Sequence",
                                    "SELECT * FROM GH_PipeTypeDef order by Sequence",
                                    "SELECT * FROM GH_PipeSpecFieldDef",
                                    "SELECT * FROM GH_PipePredefineFieldDef",
                                    "SELECT * FROM GH_PipeLabelBlock",
                                    "SELECT * FROM GH_PipeFuncFontHeiDef",
                                    "SELECT * FROM GH_PipeHStandardDef",
                                    "SELECT * FROM GH_PipeVStandardDef",
                                    "SELECT * FROM GH_PipeCStandardDef",
                                }));
    EXPECT_TRUE(messages.messages().empty());

    // An empty table answers 1 and leaves the array empty.
    Exec("DELETE FROM GH_PipeHStandardDef");
    EXPECT_EQ(access->GetAllHStandardDatasets(horizontal), 1);
    EXPECT_TRUE(horizontal.IsEmpty());
}

TEST_F(PipeSettingsTest, WhatAHostWritesLandsInEachMembersOwnColumn) {
    Writable<CHStandardDistDef> h;
    h.PType1 = "JS";
    h.MType1 = 1;
    h.DSType1 = "DN100";
    h.PrType1 = "P1";
    h.PType2 = "WS";
    h.MType2 = 2;
    h.DSType2 = "DN200";
    h.PrType2 = "P2";
    h.HDist = 0.1;
    Store("GH_PipeHStandardDef", h);
    EXPECT_EQ(Rows("SELECT PType1, MType1, DSType1, PrType1, PType2, MType2, DSType2, PrType2 "
                   "FROM GH_PipeHStandardDef"),
              (Table{{"JS", "1", "DN100", "P1", "WS", "2", "DN200", "P2"}}));
    // An engine that keeps every real as a double shows that a single was written.
    if (OnSqlite()) {
        EXPECT_EQ(Count("GH_PipeHStandardDef", "HDist <> 0.1"), 1);
    }

    Writable<CVStandardDistDef> v;
    v.PType1 = "JS";
    v.PType2 = "YS";
    v.MType1 = 5;
    v.MType2 = 6;
    Store("GH_PipeVStandardDef", v);
    EXPECT_EQ(Rows("SELECT PType1, PType2, MType1, MType2 FROM GH_PipeVStandardDef"),
              (Table{{"JS", "YS", "5", "6"}}));

    Writable<CPipeSymbolBlock> block;
    block.DiameterLayer = "GJ_LAYER";
    Store("GH_PipeLabelBlock", block);
    EXPECT_EQ(Count("GH_PipeLabelBlock", "DiameterLayer = 'GJ_LAYER'"), 1);
}

TEST_F(PipeSettingsTest, MissingValuesKeepTheDefaultsAndAFailedQueryKeepsTheArray) {
    Exec("INSERT INTO GH_PipeDatasetDef (DatasetName) VALUES ('bare')");
    Exec("INSERT INTO GH_PipeLabelBlock (PipeName) VALUES ('bare')");
    CAutoReleaseArray<CPipeSysDataset*, CPipeSysDataset*&> datasets;
    ASSERT_EQ(access->GetAllPipeDatasets(datasets), 2);
    ASSERT_EQ(datasets.GetSize(), 1);
    const CPipeSysDataset& d = *datasets[0];
    EXPECT_EQ(Row(d.DatasetID, d.ApplyType, d.Sequence, d.IsMapSheet ? 1 : 0), Row(0, 0, 0, 0));
    CAutoReleaseArray<CPipeSymbolBlock*, CPipeSymbolBlock*&> blocks;
    ASSERT_EQ(access->GetAllPipeSymbolBlockdDatasets(blocks), 2);
    const CPipeSymbolBlock& b = *blocks[0];
    EXPECT_EQ(Row(b.PipeLayerId, b.BlockYScale, b.BlockLabelLayer, b.DiameterDist),
              Row(-1, 1.0, "0", 10.0));

    // The query fails before anything is read: the message is shown, the array stays.
    Exec("DROP TABLE GH_PipeTypeDef");
    CArray<CPipeTypeDef, CPipeTypeDef> types;
    types.Add(CPipeTypeDef());
    EXPECT_EQ(access->GetAllPipeTypeDef(types), -1);
    EXPECT_EQ(types.GetSize(), 1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
    EXPECT_TRUE(ContainsNoCase(messages.messages()[0].text, "GH_PipeTypeDef"));
}

TEST_F(PipeSettingsTest, ADatasetListsEachLayerOnceWithoutOwningIt) {
    CGISLayer first, second, sameAsFirst;
    first.LayerID = 1;
    second.LayerID = 2;
    sameAsFirst.LayerID = 1;
    CPipeSysDataset dataset;
    dataset.AddLayer(&first);
    dataset.AddLayer(&second);
    dataset.AddLayer(&sameAsFirst);
    ASSERT_EQ(dataset.Layers.GetSize(), 2);
    EXPECT_EQ(dataset.GetLayer(1), &first);
    EXPECT_EQ(dataset.GetLayer(3), nullptr);

    CPipeSysDataset copy(dataset);
    EXPECT_EQ(copy.GetLayer(2), &second);
    dataset.RemoveLayer(&sameAsFirst);
    ASSERT_EQ(dataset.Layers.GetSize(), 1);
    EXPECT_EQ(dataset.Layers[0], &second);
    EXPECT_EQ(copy.Layers.GetSize(), 2);
}

}  // namespace
}  // namespace ghdb::test
