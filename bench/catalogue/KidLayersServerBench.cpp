// Reading the layers of one group (GetKidLayers) on PostgreSQL: through the library on libpq
// (GHDB_BENCH_LIBPQ) and on ODBC (GHDB_BENCH_CONNECTION), beside the same read written directly
// on libpq. Both variables may name the same database.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/KidLayerRuns.h"
#include "ghdb.h"
#include "support/LibpqDirect.h"
#include "support/ServerData.h"

namespace ghdb::bench {
namespace {

constexpr long kGroup = 1;
constexpr int kLayers = 10000;

// The statement the library issues for a group's layers without a filter.
constexpr const char* kKidLayers =
    "SELECT * FROM GHGIS_Layer INNER JOIN GHGIS_LayerGroupLayerRelation ON "
    "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
    "GHGIS_Layer.LayerID = GHGIS_LayerGroupLayerRelation.LayerID "
    "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
    "WHERE (GHGIS_LayerGroupLayerRelation.LayerGroupID = $1) "
    "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
    "ORDER BY GHGIS_LayerGroupLayerRelation.DispOrder";

void KidLayers(benchmark::State& state, const std::string& connection) {
    FillServerKidLayers(connection, kLayers);
    ReadKidLayers(state, connection, kGroup, kLayers);
}

// Each layer column by its position in GHGIS_Layer, NULL symbols left empty as the library
// leaves them.
void ReadLayer(PGresult* r, int row, CGISLayer& layer) {
    layer.IsDynamicLayer = Long(r, row, 0) != 0;
    layer.IsLabeled = Long(r, row, 1) != 0;
    layer.LayerID = Long(r, row, 2);
    layer.ShapeType = Long(r, row, 3);
    layer.DBID = Long(r, row, 4);
    layer.WebLayerID = Long(r, row, 5);
    layer.SymbolType = Long(r, row, 6);
    layer.MinScale = static_cast<float>(Double(r, row, 7));
    layer.MaxScale = static_cast<float>(Double(r, row, 8));
    layer.SpatialMinX = Double(r, row, 9);
    layer.SpatialMinY = Double(r, row, 10);
    layer.SpatialMaxX = Double(r, row, 11);
    layer.SpatialMaxY = Double(r, row, 12);
    layer.MeaningID = Long(r, row, 13);
    layer.LayerName = Text(r, row, 14);
    layer.LayerAlias = Text(r, row, 15);
    layer.SU_UserID = Text(r, row, 16);
    layer.RealLayerID = Text(r, row, 17);
    layer.Remark = Text(r, row, 18);
    layer.QueryField = Text(r, row, 19);
    layer.PrimaryField = Text(r, row, 20);
    layer.URL = Text(r, row, 21);
    layer.LabelField = Text(r, row, 22);
    for (int i : {23, 24}) {
        if (PQgetisnull(r, row, i)) continue;
        std::size_t size = 0;
        unsigned char* bytes =
            PQunescapeBytea(reinterpret_cast<const unsigned char*>(PQgetvalue(r, row, i)), &size);
        (i == 23 ? layer.Symbol : layer.LabelSymbol) =
            _variant_t(std::string(reinterpret_cast<const char*>(bytes), size));
        PQfreemem(bytes);
    }
}

void KidLayersDirect(benchmark::State& state, const std::string& connection, ReadMode mode) {
    FillServerKidLayers(connection, kLayers);
    LibpqConnection db(connection);
    const std::string group = std::to_string(kGroup);
    const char* params[] = {group.c_str()};
    for (auto _ : state) {
        std::vector<CGISLayer*> layers;
        ForEachRow(db.get(), mode, kKidLayers, 1, params, [&](PGresult* r, int row) {
            auto* layer = new CGISLayer;
            ReadLayer(r, row, *layer);
            layers.push_back(layer);
        });
        if (static_cast<int>(layers.size()) != kLayers) state.SkipWithError("read failed");
        for (CGISLayer* layer : layers) delete layer;
    }
    state.SetItemsProcessed(state.iterations() * kLayers);
}

}  // namespace

void RegisterServerKidLayerBenchmarks() {
    const char* libpq = std::getenv("GHDB_BENCH_LIBPQ");
    const char* odbc = std::getenv("GHDB_BENCH_CONNECTION");
    if (libpq && *libpq) {
        benchmark::RegisterBenchmark("ghdb/libpq GetKidLayers 10000", KidLayers, libpq)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("direct/libpq GetKidLayers 10000", KidLayersDirect, libpq,
                                     ReadMode::SingleRow)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("direct-whole/libpq GetKidLayers 10000", KidLayersDirect,
                                     libpq, ReadMode::Whole)
            ->Unit(benchmark::kMillisecond);
    }
    if (odbc && *odbc)
        benchmark::RegisterBenchmark("ghdb/odbc GetKidLayers 10000", KidLayers, odbc)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace ghdb::bench
