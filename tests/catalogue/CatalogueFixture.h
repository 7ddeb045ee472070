#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/TestDatabase.h"

namespace ghdb::test {

// A database test with helpers that lay out layers, groups and everything other families keep
// about a layer, written with the tests' own statements.
class CatalogueTest : public DatabaseTest {
protected:
    static std::string N(long value) { return std::to_string(value); }

    void InsertLayer(long layerId, const std::string& name, long dbId = -1, long shapeType = 0) {
        Exec("INSERT INTO GHGIS_Layer (LayerID, LayerName, DBID, ShapeType) VALUES (" + N(layerId) +
             ", '" + QuoteText(name.c_str()).str() + "', " + N(dbId) + ", " + N(shapeType) + ")");
    }
    void Link(long groupId, long layerId, long dispOrder) {
        Exec(
            "INSERT INTO GHGIS_LayerGroupLayerRelation (LayerGroupID, LayerID, DispOrder) "
            "VALUES (" +
            N(groupId) + ", " + N(layerId) + ", " + N(dispOrder) + ")");
    }
    // A group stored through the library, so that it gets its key; returns the key.
    long AddGroup(const char* name, long parentId = -1) {
        CGISLayerGroup group;
        group.LayerGroupName = name;
        group.ParentGroupID = parentId;
        EXPECT_EQ(access->AddLayerGroup(group), 2);
        return group.LayerGroupID;
    }
    long AddSpacialDB(const char* alias, const char* dbType) {
        CSpacialDBInfo db;
        db.DBAlias = alias;
        CString server = "srv", name = "gis", uid = "u", pwd = "p", type = dbType, port = "5151";
        db.SetConnectParam(server, name, uid, pwd, type, port);
        EXPECT_EQ(access->AddSpacialDBInfo(db), 2);
        return db.DBID;
    }

    // One row in every table that names the layer, its figure layer under `parseId`.
    void AddDependants(long layerId, long parseId) {
        const std::string id = N(layerId);
        const std::string parse = N(parseId);
        Exec("INSERT INTO GH_FieldInfo (LayerID, Sequence, FieldName) VALUES (" + id +
             ", 0, 'F0')");
        Exec("INSERT INTO GH_FieldInfo (LayerID, Sequence, FieldName) VALUES (" + id +
             ", 1, 'F1')");
        Exec("INSERT INTO GH_FieldsRelConfig (LayerID, EnuRelationType) VALUES (" + id + ", 2)");
        Exec("INSERT INTO GHGIS_PageInfo (PageNum, PageName, LayerId) VALUES (1, 'page', " + id +
             ")");
        Exec("INSERT INTO GH_LayerEx (LayerID, LayerParseID) VALUES (" + id + ", " + parse + ")");
        Exec("INSERT INTO GH_FigureLayerIndex (ParseID, Name) VALUES (" + parse + ", 'figure')");
        Exec("INSERT INTO GH_FigureLayer (ParseID, LayerName) VALUES (" + parse + ", 'cad')");
        Exec(
            "INSERT INTO GHGIS_ApplyClass (ApplyClassID, ApplyClassName, DataObjectID, "
            "DataObjectType) VALUES (1, 'apply', " +
            id + ", 0)");
        Exec("INSERT INTO GHGIS_SubjectLayers (SubjectID, LayerID, LayerOrder) VALUES (1, " + id +
             ", 0)");
        Exec("INSERT INTO GH_VerifyUpdate (LayerID, ProjectLayerID) VALUES (" + id + ", 0)");
        Exec("INSERT INTO GHGIS_FunLayerConfig (FunID, LayerID) VALUES (1, " + id + ")");
        Exec(
            "INSERT INTO GHSJ_RoadLayerConfig (MLayerID, RLayerID, ELayerID, GLayerID, "
            "TLayerID) VALUES (" +
            id + ", 0, 0, 0, 0)");
    }

    // How many rows of each table name the layer (or its figure layer).
    std::map<std::string, long> Dependants(long layerId, long parseId) {
        const std::string id = N(layerId);
        const std::string parse = N(parseId);
        return {
            {"GH_FieldInfo", Count("GH_FieldInfo", "LayerID = " + id)},
            {"GH_FieldsRelConfig", Count("GH_FieldsRelConfig", "LayerID = " + id)},
            {"GHGIS_PageInfo", Count("GHGIS_PageInfo", "LayerId = " + id)},
            {"GH_LayerEx", Count("GH_LayerEx", "LayerID = " + id)},
            {"GH_FigureLayerIndex", Count("GH_FigureLayerIndex", "ParseID = " + parse)},
            {"GH_FigureLayer", Count("GH_FigureLayer", "ParseID = " + parse)},
            {"GHGIS_ApplyClass",
             Count("GHGIS_ApplyClass", "DataObjectType = 0 AND DataObjectID = " + id)},
            {"GHGIS_SubjectLayers", Count("GHGIS_SubjectLayers", "LayerID = " + id)},
            {"GH_VerifyUpdate", Count("GH_VerifyUpdate", "LayerID = " + id)},
            {"GHGIS_FunLayerConfig", Count("GHGIS_FunLayerConfig", "LayerID = " + id)},
            {"GHSJ_RoadLayerConfig", Count("GHSJ_RoadLayerConfig", "MLayerID = " + id)},
            {"GHGIS_LayerGroupLayerRelation",
             Count("GHGIS_LayerGroupLayerRelation", "LayerID = " + id)},
            {"GHGIS_Layer", Count("GHGIS_Layer", "LayerID = " + id)},
        };
    }
    // Every count of Dependants, each set to `value`.
    static std::map<std::string, long> All(long value, std::map<std::string, long> counts) {
        for (auto& entry : counts) entry.second = value;
        return counts;
    }

    // The tables of the catalogue and of the rows other families keep about a layer.
    static const std::vector<std::string>& CatalogueTables() {
        static const std::vector<std::string> tables = {
            "GH_FieldInfo",         "GH_FieldsRelConfig",   "GHGIS_PageInfo",
            "GH_LayerEx",           "GH_FigureLayerIndex",  "GH_FigureLayer",
            "GHGIS_ApplyClass",     "GHGIS_SubjectLayers",  "GH_VerifyUpdate",
            "GHGIS_FunLayerConfig", "GHSJ_RoadLayerConfig", "GHGIS_LayerGroupLayerRelation",
            "GHGIS_Layer",          "GHGIS_LayerGroup",     "GHGIS_SpacialDBInfo"};
        return tables;
    }
    void ClearCatalogue() {
        for (const std::string& table : CatalogueTables()) Exec("DELETE FROM " + table);
    }
};

}  // namespace ghdb::test
