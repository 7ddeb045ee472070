// Reading the layers of one group (GetKidLayers), beside the same read written directly.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <vector>

#include "catalogue/CatalogueData.h"
#include "catalogue/KidLayerRuns.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

constexpr long kGroup = 1;
constexpr int kLayers = 10000;

const std::string& Database() {
    static const std::string connection = [] {
        const std::string made = MakeConfigDatabase("kid-layers");
        sqlite3* db = OpenDirect(made);
        FillGroup(db, {kGroup, 1, kLayers, 0, false});
        // Another group's layers, so that the read has to pick the group's own.
        FillGroup(db, {kGroup + 1, kLayers + 1, kLayers / 2, 0, false});
        sqlite3_close(db);
        return made;
    }();
    return connection;
}

// The statement the library issues for a group's layers without a filter.
constexpr const char* kKidLayers =
    "SELECT * FROM GHGIS_Layer INNER JOIN GHGIS_LayerGroupLayerRelation ON "
    "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
    "GHGIS_Layer.LayerID = GHGIS_LayerGroupLayerRelation.LayerID "
    "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
    "WHERE (GHGIS_LayerGroupLayerRelation.LayerGroupID = ?) "
    "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
    "ORDER BY GHGIS_LayerGroupLayerRelation.DispOrder";

void KidLayers(benchmark::State& state) {
    ReadKidLayers(state, Database(), kGroup, kLayers);
}

CString Text(sqlite3_stmt* stmt, int i) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    return CString(
        std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
}

long Long(sqlite3_stmt* stmt, int i) {
    return static_cast<long>(sqlite3_column_int(stmt, i));
}

// Each layer column by its position in GHGIS_Layer, NULL symbols left empty as the library
// leaves them.
void ReadLayer(sqlite3_stmt* stmt, CGISLayer& layer) {
    layer.IsDynamicLayer = sqlite3_column_int(stmt, 0) != 0;
    layer.IsLabeled = sqlite3_column_int(stmt, 1) != 0;
    layer.LayerID = Long(stmt, 2);
    layer.ShapeType = Long(stmt, 3);
    layer.DBID = Long(stmt, 4);
    layer.WebLayerID = Long(stmt, 5);
    layer.SymbolType = Long(stmt, 6);
    layer.MinScale = static_cast<float>(sqlite3_column_double(stmt, 7));
    layer.MaxScale = static_cast<float>(sqlite3_column_double(stmt, 8));
    layer.SpatialMinX = sqlite3_column_double(stmt, 9);
    layer.SpatialMinY = sqlite3_column_double(stmt, 10);
    layer.SpatialMaxX = sqlite3_column_double(stmt, 11);
    layer.SpatialMaxY = sqlite3_column_double(stmt, 12);
    layer.MeaningID = Long(stmt, 13);
    layer.LayerName = Text(stmt, 14);
    layer.LayerAlias = Text(stmt, 15);
    layer.SU_UserID = Text(stmt, 16);
    layer.RealLayerID = Text(stmt, 17);
    layer.Remark = Text(stmt, 18);
    layer.QueryField = Text(stmt, 19);
    layer.PrimaryField = Text(stmt, 20);
    layer.URL = Text(stmt, 21);
    layer.LabelField = Text(stmt, 22);
    for (int i : {23, 24}) {
        if (sqlite3_column_type(stmt, i) == SQLITE_NULL) continue;
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, i));
        (i == 23 ? layer.Symbol : layer.LabelSymbol) =
            _variant_t(std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
    }
}

void KidLayersDirect(benchmark::State& state) {
    sqlite3* db = OpenDirect(Database());
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, kKidLayers, -1, &stmt, nullptr);
    for (auto _ : state) {
        std::vector<CGISLayer*> layers;
        sqlite3_bind_int(stmt, 1, static_cast<int>(kGroup));
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            auto* layer = new CGISLayer;
            ReadLayer(stmt, *layer);
            layers.push_back(layer);
        }
        sqlite3_reset(stmt);
        if (static_cast<int>(layers.size()) != kLayers) state.SkipWithError("read failed");
        for (CGISLayer* layer : layers) delete layer;
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kLayers);
}

BENCHMARK(KidLayers)->Name("ghdb/GetKidLayers 10000")->Unit(benchmark::kMillisecond);
BENCHMARK(KidLayersDirect)->Name("direct/GetKidLayers 10000")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
