// Removing a group with its layers and everything that hangs on them (DeleteLayerGroup), for two
// group sizes, beside the same removal written directly.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

constexpr long kGroup = 1;
constexpr long kOtherGroup = 2;
constexpr int kFieldsPerLayer = 10;
constexpr int kOtherLayers = 500;

// One database per group size, holding another group whose layers must stay.
const std::string& Database(int layers) {
    static std::map<int, std::string> made;
    auto it = made.find(layers);
    if (it != made.end()) return it->second;
    const std::string connection = MakeConfigDatabase("delete-group-" + std::to_string(layers));
    sqlite3* db = OpenDirect(connection);
    FillGroup(db, {kOtherGroup, 1, kOtherLayers, kFieldsPerLayer, true});
    sqlite3_close(db);
    return made.emplace(layers, connection).first->second;
}

// The group's layers, stored afresh before each removal (outside the timed region) through a
// connection of their own, as another program would have stored them. The log is then copied
// into the database file, so that every removal starts from the same state of the file.
void Refill(benchmark::State& state, sqlite3* db, int layers) {
    state.PauseTiming();
    FillGroup(db, {kGroup, kOtherLayers + 1, layers, kFieldsPerLayer, true});
    ExecOrThrow(db, "PRAGMA wal_checkpoint(TRUNCATE)");
    state.ResumeTiming();
}

// Only the group's rows went: the other group keeps its layers, fields and drawing rows.
void CheckRemoved(benchmark::State& state, sqlite3* db) {
    const long layers = QueryLong(db, "SELECT COUNT(*) FROM GHGIS_Layer");
    const long fields = QueryLong(db, "SELECT COUNT(*) FROM GH_FieldInfo");
    const long cadLayers = QueryLong(db, "SELECT COUNT(*) FROM GH_FigureLayer");
    const long groups = QueryLong(db, "SELECT COUNT(*) FROM GHGIS_LayerGroup");
    if (layers != kOtherLayers || fields != kOtherLayers * kFieldsPerLayer ||
        cadLayers != kOtherLayers * 3 || groups != 1)
        state.SkipWithError("the removal left the wrong rows");
}

void DeleteGroup(benchmark::State& state) {
    const int layers = static_cast<int>(state.range(0));
    sqlite3* db = OpenDirect(Database(layers));
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(Database(layers).c_str());
    for (auto _ : state) {
        Refill(state, db, layers);
        if (access->DeleteLayerGroup(kGroup) != 2) state.SkipWithError("delete failed");
    }
    CheckRemoved(state, db);
    access->ReleaseInstance();
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * layers);
}

// Every dependant table, the layers, the links and the group rows, each by one statement that
// finds its rows through the group's links.
constexpr const char* kDirectCascade =
    "DELETE FROM GH_FieldsRelConfig WHERE LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GH_FieldInfo WHERE LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GHGIS_PageInfo WHERE LayerId IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GH_FigureLayer WHERE ParseID IN (SELECT LayerParseID FROM GH_LayerEx WHERE "
    "LayerID IN (SELECT LayerID FROM GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1));"
    "DELETE FROM GH_FigureLayerIndex WHERE ParseID IN (SELECT LayerParseID FROM GH_LayerEx WHERE "
    "LayerID IN (SELECT LayerID FROM GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1));"
    "DELETE FROM GHGIS_ApplyClass WHERE (DataObjectType = 0 AND DataObjectID IN (SELECT LayerID "
    "FROM GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1)) OR (DataObjectType = 1 AND "
    "DataObjectID = ?1);"
    "DELETE FROM GHGIS_SubjectLayers WHERE LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GH_VerifyUpdate WHERE LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GH_LayerEx WHERE LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GHGIS_FunLayerConfig WHERE LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GHSJ_RoadLayerConfig WHERE MLayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1) OR RLayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1) OR ELayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1) OR GLayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GHGIS_Layer WHERE LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1);"
    "DELETE FROM GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = ?1;"
    "DELETE FROM GHGIS_LayerGroup WHERE LayerGroupID = ?1 OR ParentGroupID = ?1;";

void DeleteGroupDirect(benchmark::State& state) {
    const int layers = static_cast<int>(state.range(0));
    sqlite3* filler = OpenDirect(Database(layers));
    sqlite3* db = OpenDirect(Database(layers));
    std::vector<sqlite3_stmt*> cascade;
    for (const char* rest = kDirectCascade; *rest;) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, rest, -1, &stmt, &rest);
        cascade.push_back(stmt);
    }
    for (auto _ : state) {
        Refill(state, filler, layers);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (sqlite3_stmt* stmt : cascade) {
            sqlite3_bind_int(stmt, 1, static_cast<int>(kGroup));
            if (sqlite3_step(stmt) != SQLITE_DONE) state.SkipWithError("delete failed");
            sqlite3_reset(stmt);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    CheckRemoved(state, db);
    for (sqlite3_stmt* stmt : cascade) sqlite3_finalize(stmt);
    sqlite3_close(db);
    sqlite3_close(filler);
    state.SetItemsProcessed(state.iterations() * layers);
}

BENCHMARK(DeleteGroup)
    ->Name("ghdb/DeleteLayerGroup")
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteGroupDirect)
    ->Name("direct/DeleteLayerGroup")
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
