#pragma once

#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "support/TestDatabase.h"

namespace ghdb::test {

using Counts = std::map<std::string, long>;

// One member (or projection) of every element of an array, in order; CString members as text.
template <class Array, class Get>
auto Each(Array& array, Get get) {
    using Value = std::remove_cvref_t<std::invoke_result_t<Get&, decltype(array[0])>>;
    constexpr bool text = std::is_same_v<Value, CString>;
    std::vector<std::conditional_t<text, std::string, Value>> out;
    for (int i = 0; i < array.GetSize(); ++i) {
        if constexpr (text) {
            out.push_back(std::invoke(get, array[i]).str());
        } else {
            out.push_back(std::invoke(get, array[i]));
        }
    }
    return out;
}

inline CGISFieldInfo Field(const char* name, long layerId = -1, long sequence = -1) {
    CGISFieldInfo field;
    field.FieldName = name;
    field.LayerID = layerId;
    field.Sequence = sequence;
    return field;
}

// Every table that names a layer: the rows AddDependants stores there ({L}: the layer, {P}: its
// figure layer; none where the tests link the layer themselves) and the condition finding them.
struct Dependant {
    const char* table;
    const char* rows;
    const char* where;
};
inline constexpr Dependant kDependants[] = {
    {"GH_FieldInfo", "(LayerID, Sequence, FieldName) VALUES ({L}, 0, 'F0'), ({L}, 1, 'F1')",
     "LayerID = {L}"},
    {"GH_FieldsRelConfig", "(LayerID, EnuRelationType) VALUES ({L}, 2)", "LayerID = {L}"},
    {"GHGIS_PageInfo", "(PageNum, PageName, LayerId) VALUES (1, 'page', {L})", "LayerId = {L}"},
    {"GH_LayerEx", "(LayerID, LayerParseID) VALUES ({L}, {P})", "LayerID = {L}"},
    {"GH_FigureLayerIndex", "(ParseID, Name) VALUES ({P}, 'figure')", "ParseID = {P}"},
    {"GH_FigureLayer", "(ParseID, LayerName) VALUES ({P}, 'cad')", "ParseID = {P}"},
    {"GHGIS_ApplyClass",
     "(ApplyClassID, ApplyClassName, DataObjectID, DataObjectType) VALUES (1, 'apply', {L}, 0)",
     "DataObjectType = 0 AND DataObjectID = {L}"},
    {"GHGIS_SubjectLayers", "(SubjectID, LayerID, LayerOrder) VALUES (1, {L}, 0)", "LayerID = {L}"},
    {"GH_VerifyUpdate", "(LayerID, ProjectLayerID) VALUES ({L}, 0)", "LayerID = {L}"},
    {"GHGIS_FunLayerConfig", "(FunID, LayerID) VALUES (1, {L})", "LayerID = {L}"},
    {"GHSJ_RoadLayerConfig",
     "(MLayerID, RLayerID, ELayerID, GLayerID, TLayerID) VALUES ({L}, 0, 0, 0, 0)",
     "MLayerID = {L}"},
    {"GHGIS_LayerGroupLayerRelation", nullptr, "LayerID = {L}"},
    {"GHGIS_Layer", nullptr, "LayerID = {L}"},
};

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
            "INSERT INTO GHGIS_LayerGroupLayerRelation (LayerGroupID, LayerID, DispOrder) VALUES "
            "(" +
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

    // One row in every table that names the layer (two fields), its figure layer under `parseId`.
    void AddDependants(long layerId, long parseId) {
        for (const Dependant& d : kDependants) {
            if (d.rows)
                Exec(std::string("INSERT INTO ") + d.table + " " + Fill(d.rows, layerId, parseId));
        }
    }
    // How many rows of each table name the layer (or its figure layer).
    Counts Dependants(long layerId, long parseId) {
        Counts counts;
        for (const Dependant& d : kDependants)
            counts[d.table] = Count(d.table, Fill(d.where, layerId, parseId));
        return counts;
    }
    // What Dependants finds when everything naming the layer is gone, or when all that
    // AddDependants and one link stored is still there.
    static Counts None() { return Uniform(0); }
    static Counts Whole() {
        Counts counts = Uniform(1);
        counts["GH_FieldInfo"] = 2;
        return counts;
    }

    // The tables of the catalogue and of the rows other families keep about a layer.
    static std::vector<std::string> CatalogueTables() {
        std::vector<std::string> tables = {"GHGIS_LayerGroup", "GHGIS_SpacialDBInfo"};
        for (const Dependant& d : kDependants) tables.emplace_back(d.table);
        return tables;
    }
    void ClearCatalogue() {
        for (const std::string& table : CatalogueTables()) Exec("DELETE FROM " + table);
    }

private:
    static std::string Fill(std::string text, long layerId, long parseId) {
        for (const auto& [mark, value] : {std::pair{"{L}", layerId}, std::pair{"{P}", parseId}}) {
            for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
                text.replace(at, 3, N(value));
        }
        return text;
    }
    static Counts Uniform(long rows) {
        Counts counts;
        for (const Dependant& d : kDependants) counts[d.table] = rows;
        return counts;
    }
};

}  // namespace ghdb::test
