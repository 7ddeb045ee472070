// Every record class's column table against the schema: each column exists in its table, and
// a record with a distinct value in every member comes back from the database as it went in.
//
// A family adds its record classes to kRecords below, one line each.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "schema/Tables.h"
#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

// One record class and the table its column table describes. `check` finds each column in the
// table, then adds a record with a distinct value in every column through `db`, reads it back
// and compares each column; identity columns are checked to be read back after the insert.
struct RecordCase {
    const char* table;
    std::function<void(CRecordAccess& db, const schema::TableDef& table)> check;
};

const schema::ColumnDef* FindColumn(const schema::TableDef& table, const std::string& name) {
    for (const schema::ColumnDef& column : table.columns)
        if (Lower(name) == Lower(column.name)) return &column;
    return nullptr;
}

// A value for the member of column `index` that differs from every default and from the
// other columns, and fits the column's stored type.
template <class M>
M Sample(int index, schema::ColumnType type) {
    if constexpr (std::is_same_v<M, long> || std::is_same_v<M, short>)
        return static_cast<M>(11 + index);
    else if constexpr (std::is_same_v<M, float> || std::is_same_v<M, double>)
        return static_cast<M>(index + 0.25);
    else if constexpr (std::is_same_v<M, CString>)
        return CString(("text'" + std::to_string(index)).c_str());
    else if constexpr (std::is_same_v<M, _variant_t>)
        return type == schema::ColumnType::Blob ? _variant_t::Bytes("bytes" + std::to_string(index))
                                                : _variant_t("value" + std::to_string(index));
    else
        return M{};
}

template <class M>
std::string Show(const M& value) {
    if constexpr (std::is_same_v<M, CString>)
        return value.str();
    else if constexpr (std::is_same_v<M, _variant_t>)
        return VariantToText(value).value_or("<blob>") + "/" + value.str;
    else
        return std::to_string(value);
}

template <class R>
RecordCase Case(const char* table) {
    return RecordCase{
        table, [table](CRecordAccess& db, const schema::TableDef& def) {
            const auto& columns = R::Columns();
            for (const auto& column : columns)
                EXPECT_NE(FindColumn(def, column.name), nullptr) << table << "." << column.name;
            R written;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const auto* column = FindColumn(def, columns[i].name);
                if (!column || columns[i].role == ColumnRole::Identity) continue;
                std::visit(
                    [&](auto member) {
                        // Also keeps GCC's -O3 bounds check from assuming a write through a
                        // null member.
                        if (!member) {
                            ADD_FAILURE() << columns[i].name << " has no member";
                            return;
                        }
                        using M = std::remove_reference_t<decltype(written.*member)>;
                        if constexpr (std::is_same_v<M, bool> || std::is_same_v<M, BOOL>)
                            written.*member = !(written.*member);
                        else
                            written.*member = Sample<M>(static_cast<int>(i), column->type);
                    },
                    columns[i].member);
            }
            const std::string select = std::string("SELECT * FROM ") + table;
            ASSERT_EQ(db.AddNewOneRecordInfo((select + " WHERE (1 = -1)").c_str(), &written), 2);
            R read;
            ASSERT_EQ(db.ReadOneRecordInfo(select.c_str(), &read), 2);
            for (const auto& column : columns) {
                std::visit(
                    [&](auto member) {
                        const auto& expected = written.*member;
                        const auto& actual = read.*member;
                        SCOPED_TRACE(column.name);
                        if (column.role == ColumnRole::WriteOnly) return;
                        EXPECT_EQ(Show(actual), Show(expected));
                        // The key the database assigned was read back into the record added.
                        if (column.role == ColumnRole::Identity) {
                            EXPECT_NE(Show(expected), Show(R{}.*member));
                        }
                    },
                    column.member);
            }
        }};
}

const RecordCase kRecords[] = {
    // Layer catalogue (catalogue/)
    Case<CSpacialDBInfo>("GHGIS_SpacialDBInfo"),
    Case<CGISLayerGroup>("GHGIS_LayerGroup"),
    Case<CGISLayer>("GHGIS_Layer"),
    Case<CGISFieldInfo>("GH_FieldInfo"),
    Case<CLayerEx>("GH_LayerEx"),
    Case<CLayerVerifyUpdate>("GH_VerifyUpdate"),
    Case<CFigureLayer>("GH_FigureLayerIndex"),
    Case<CCADLayerInfo>("GH_FigureLayer"),
    Case<CKGFieldRelation>("GH_FieldsRelConfig"),
    Case<CFieldEnumDef>("GHSJ_FieldEnumDef"),
    Case<CGHPageInfo>("GHGIS_PageInfo"),
    // System configuration (config/)
    Case<CMISInfoURL>("GH_MISInfoURL"),
    Case<CGHMainMenuItem>("GHSJ_MainMenu"),
    Case<CGHSpecialty>("GHSJ_Specialty"),
    Case<CGHLayerSpecialty>("GHSJ_GISLayerSpecialty"),
    Case<CGHFunTypeDef>("GHSJ_GHFunTypeDef"),
    Case<CGHGisFun>("GHGIS_FunLayerConfig"),
    // Subjects (subjects/)
    Case<CGISDefaultSubject>("GHGIS_DefaultSubject"),
    Case<CGISSubjectClass>("GHGIS_SubjectClass"),
    Case<CGISApplyClassData>("GHGIS_ApplyClass"),
    Case<CGISSiteLocation>("GHGIS_SiteLocation"),
    // Road standards (roads/)
    Case<CGHLevel>("GHSJ_GHLevelConfig"),
    Case<CGHMeaning>("GHSJ_GHMeaningConfig"),
    Case<CGHRoadRadius>("GHSJ_RoadDefaultRadiusConfig"),
    Case<CGHRoadStandard>("GHSJ_RoadLayerConfig"),
    Case<CGHRoadStandardBoard>("GHSJ_RoadStandardBoardConfig"),
    Case<CGHRoadStandardRadius>("GHSJ_RoadStandardRadiusInfoConfig"),
    Case<CGHRoadBoard>("GHSJ_RoadBoardInfoConfig"),
    Case<CGHRoadWay>("GHSJ_RoadWayConfig"),
    Case<CGHRoadWayScene>("GHSJ_RoadWaySceneConfig"),
    Case<CGHRoadBoardWay>("GHSJ_RoadBoardFieldConfig"),
    Case<CGHRoadBoardWayWidth>("GHSJ_RoadBoardParaConfig"),
    Case<CCrossConfigInfo>("GHSJ_RoadCornerOfCrossConfig"),
    // Red-line settings (redline/) and CAD resources (cad/)
    Case<CGHRLPhaseSubject>("GHRL_PhaseSubject"),
    Case<CGHRLFlowMap>("GHRL_FlowMap"),
    Case<CGHRLEditRight>("GHRL_HXEditRight"),
    Case<CGHRLFieldMap>("GHRL_FieldMap"),
    Case<CCADFontStyle>("GH_FontConfig"),
    Case<CCADLineBlockEntry<1>>("GH_LineBlockConfig"),
    Case<CKGBaseMap>("GHCAD_FileGroup"),
    Case<CKGMapWidthIndex>("GHCAD_FileSpatial"),
    // The MIS database (mis/)
    Case<CMISSubSystem>("S_SubSystem"),
    Case<CMISBusiness>("S_Business"),
    Case<CMISWorkFlowCode>("S_WorkFlows"),
    Case<CMISWorkFlow>("S_Workflows_Ex"),
    Case<CMISWorkPhase>("S_FlowPhase"),
    Case<CMISWorkFlow27>("MWRKFLWDEF"),
    Case<CMISWorkPhase27>("OAGROUP"),
    Case<CMISTable>("s_dicttables"),
    Case<CMISField>("S_DictColumns"),
};

const schema::TableDef* FindTable(const char* name, schema::Database database) {
    for (const schema::TableDef& table : schema::Tables(database))
        if (std::string(name) == table.name) return &table;
    return nullptr;
}

class ColumnTablesTest : public DatabaseTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(ColumnTablesTest, EveryColumnIsInTheSchemaAndComesBackAsWritten) {
    const RecordCase& record = GetParam();
    const schema::TableDef* table = FindTable(record.table, schema::Database::Config);
    if (!table) {
        // A table of the MIS database, made beside the configuration tables.
        table = FindTable(record.table, schema::Database::Mis);
        ASSERT_NE(table, nullptr) << record.table;
        ASSERT_EQ(CreateMisSchema(connectionString.c_str()), 2);
    }
    CRecordAccess db(nullptr, CRecordAccess::UpdateFailure::Notice);
    ASSERT_EQ(db.SetConnectionString(connectionString.c_str()), 0);
    record.check(db, *table);
    EXPECT_TRUE(messages.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Records, ColumnTablesTest, ::testing::ValuesIn(kRecords),
                         [](const auto& record) { return std::string(record.param.table); });

}  // namespace
}  // namespace ghdb::test
