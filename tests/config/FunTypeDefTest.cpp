#include <gtest/gtest.h>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

CGHGisFun GisFun(long funId, long layerId) {
    CGHGisFun link;
    link.FunID = funId;
    link.LayerID = layerId;
    return link;
}

class FunTypeDefTest : public CatalogueTest {
protected:
    void InsertFunction(long funId, const char* name, const char* layerType) {
        Exec(
            "INSERT INTO GHSJ_GHFunTypeDef (FUNID, Name, Type, Sequence, IsMultiLayer, "
            "GISLayerType) VALUES (" +
            N(funId) + ", '" + name + "', 2, 5, 1, " + layerType + ")");
    }
    void Assign(long funId, long layerId) {
        Exec("INSERT INTO GHGIS_FunLayerConfig (FunID, LayerID) VALUES (" + N(funId) + ", " +
             N(layerId) + ")");
    }
    Table Links() {
        return Rows("SELECT FunID, LayerID FROM GHGIS_FunLayerConfig ORDER BY FunID, LayerID");
    }
};

TEST(FunTypeDefRecord, CopiesCarryTheColumnsAndNotTheCollectedAssignments) {
    const CGHFunTypeDef fresh;
    EXPECT_EQ(fresh.FUNID, -1);
    EXPECT_EQ(fresh.Type, 1);
    EXPECT_EQ(fresh.Sequence, 0);
    EXPECT_EQ(fresh.GISLayerType, -1);
    EXPECT_FALSE(fresh.IsMultiLayer);

    CGHFunTypeDef fun(7, "画线", "LINE", "GHLINE", "ghdraw.arx", "CAD", 3, 9);
    fun.GISLayerType = 2;
    fun.IsMultiLayer = true;
    fun.Add(GisFun(7, 12));
    fun.Add(GisFun(7, 12));
    fun.Add(GisFun(7, 13));
    EXPECT_EQ(fun.GisFunArr.GetSize(), 2);

    const CGHFunTypeDef copy(fun);
    CGHFunTypeDef assigned;
    assigned.Add(GisFun(1, 1));
    assigned = fun;
    const CGHFunTypeDef* copies[] = {&copy, &assigned};
    for (const CGHFunTypeDef* f : copies) {
        EXPECT_EQ(f->FUNID, 7);
        EXPECT_EQ(f->ArxName, "ghdraw.arx");
        EXPECT_EQ(f->Type, 3);
        EXPECT_EQ(f->Sequence, 9);
        EXPECT_EQ(f->GISLayerType, 2);
        EXPECT_TRUE(f->IsMultiLayer);
        EXPECT_EQ(f->GisFunArr.GetSize(), 0);
    }

    EXPECT_EQ(fun.GetSpecialty(), 4);
    const char* names[] = {"通用", "用地", "道路", "管线", "其它"};
    for (int code = 0; code < 5; ++code)
        EXPECT_EQ(CGHFunTypeDef::GetNameOfSpecialty(code), names[code]);
    EXPECT_EQ(CGHFunTypeDef::GetNameOfSpecialty(7), "其它");
    EXPECT_EQ(CGHFunTypeDef::GetNameOfSpecialty(-1), "其它");
}

TEST_F(FunTypeDefTest, FunctionsAreReadByIdAndByLayer) {
    InsertFunction(8, "second", "NULL");
    InsertFunction(3, "first", "4");
    Assign(8, 12);
    Assign(3, 13);
    CAutoReleaseArray<CGHFunTypeDef*, CGHFunTypeDef*> all;
    EXPECT_EQ(access->GetAllFunTypeDef(all), 2);
    ASSERT_EQ(all.GetSize(), 2);
    EXPECT_EQ(all[0]->Name, "first");
    EXPECT_EQ(all[0]->GISLayerType, 4);
    EXPECT_EQ(all[1]->GISLayerType, -1);
    EXPECT_EQ(all[1]->Type, 2);
    EXPECT_TRUE(all[1]->IsMultiLayer);

    CAutoReleaseArray<CGHFunTypeDef*, CGHFunTypeDef*> ofLayer;
    EXPECT_EQ(access->GetGisLayerFun(12, ofLayer), 2);
    ASSERT_EQ(ofLayer.GetSize(), 1);
    EXPECT_EQ(ofLayer[0]->FUNID, 8);
    EXPECT_EQ(access->GetGisLayerFun(14, ofLayer), 2);
    EXPECT_EQ(ofLayer.GetSize(), 1);

    InsertLayer(12, "ROAD");
    InsertLayer(13, "PIPE");
    CAutoReleaseArray<CGISLayer*, CGISLayer*> layers;
    EXPECT_EQ(access->GetGISLayerByFunID(8, layers), 2);
    ASSERT_EQ(layers.GetSize(), 1);
    EXPECT_EQ(layers[0]->LayerName, "ROAD");
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FunTypeDefTest, AssignmentsAreReplacedPerLayerAndPerFunction) {
    Assign(1, 12);
    Assign(2, 12);
    Assign(5, 30);
    CArray<CGHGisFun, CGHGisFun> links;
    links.Add(GisFun(1, 1));
    EXPECT_EQ(access->GetGisLayerFun(40, links), 1);
    EXPECT_EQ(links.GetSize(), 1);

    // Per layer: every element is stored under the layer, the caller's elements changed too.
    links.Add(GisFun(3, 7));
    EXPECT_EQ(access->SetGisLayerFun(12, links), 2);
    EXPECT_EQ(links[1].LayerID, 12);
    EXPECT_EQ(Links(), (Table{{"1", "12"}, {"3", "12"}, {"5", "30"}}));

    // Per function: the function's rows go, the elements keep their own function ids.
    CArray<CGHGisFun, CGHGisFun> ofFunction;
    ofFunction.Add(GisFun(6, 31));
    EXPECT_EQ(access->SetFunGisLayer(5, ofFunction), 2);
    EXPECT_EQ(Links(), (Table{{"1", "12"}, {"3", "12"}, {"6", "31"}}));

    CArray<CGHGisFun, CGHGisFun> read;
    EXPECT_EQ(access->GetFunGisLayer(6, read), 2);
    ASSERT_EQ(read.GetSize(), 1);
    EXPECT_EQ(read[0].LayerID, 31);
    EXPECT_EQ(read[0].RefDBClassAccess(), nullptr);
    EXPECT_EQ(access->GetGisLayerFun(12, read), 2);
    EXPECT_EQ(read.GetSize(), 3);
}

TEST_F(FunTypeDefTest, AssignmentsOfARemovedLayerGoSilently) {
    Assign(1, 12);
    Assign(2, 12);
    Assign(1, 13);
    EXPECT_EQ(access->DelFunLayerByLayerID(12), 2);
    EXPECT_EQ(Links(), (Table{{"1", "13"}}));

    Exec("DROP TABLE GHGIS_FunLayerConfig");
    EXPECT_EQ(access->DelFunLayerByLayerID(13), -1);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
