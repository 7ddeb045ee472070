// Replacing the whole list of road standards (EditAllGHRoadStandard), beside the same delete
// and inserts run directly on libsqlite3 in one transaction.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

constexpr int kStandards = 1000;

// Standard i: its main layer id and four layer ids of its own, every variant on even ones.
void FillStandard(CGHRoadStandard& s, int i) {
    s.MLayerID = 10 * i + 1;
    s.IsCityRoad = i % 3 == 0;
    s.HasRoadTypes = i % 2 == 0 ? 7 : 1;
    s.RLayerID = 10 * i + 2;
    s.ELayerID = 10 * i + 3;
    s.GLayerID = 10 * i + 4;
    s.TLayerID = 10 * i + 5;
}

// A database whose table already holds a list as long as the one that replaces it.
const std::string& Database() {
    static const std::string connection =
        MakeFilledConfigDatabase("road-standards", kStandards, [](int i) {
            return FormatString(
                       "INSERT INTO GHSJ_RoadLayerConfig (MLayerID, IsCityRoad, "
                       "HasRoadTypes, RLayerID, ELayerID, GLayerID, TLayerID) "
                       "VALUES (%d, 0, 1, 0, 0, 0, 0)",
                       i + 1)
                .str();
        });
    return connection;
}

void CheckStored(benchmark::State& state) {
    if (!HoldsRows(Database(), "GHSJ_RoadLayerConfig", "TLayerID", kStandards,
                   10L * kStandards * (kStandards - 1) / 2 + 5L * kStandards))
        state.SkipWithError("the replacement stored the wrong rows");
}

void ReplaceStandards(benchmark::State& state) {
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(Database().c_str());
    CArray<CGHRoadStandard*, CGHRoadStandard*&> all;
    for (int i = 0; i < kStandards; ++i) {
        auto* s = new CGHRoadStandard;
        FillStandard(*s, i);
        all.Add(s);
    }
    for (auto _ : state)
        if (access->EditAllGHRoadStandard(all) != 2) state.SkipWithError("replacement failed");
    ReleaseArrayData(all, 0);
    access->ReleaseInstance();
    CheckStored(state);
    state.SetItemsProcessed(state.iterations() * kStandards);
}

void ReplaceStandardsDirect(benchmark::State& state) {
    std::vector<CGHRoadStandard> all(kStandards);
    for (int i = 0; i < kStandards; ++i) FillStandard(all[static_cast<std::size_t>(i)], i);
    TimeDirectReplace(state, Database(), "DELETE FROM GHSJ_RoadLayerConfig",
                      "INSERT INTO GHSJ_RoadLayerConfig (MLayerID, IsCityRoad, HasRoadTypes, "
                      "RLayerID, ELayerID, GLayerID, TLayerID) VALUES (?, ?, ?, ?, ?, ?, ?)",
                      kStandards, [&](sqlite3_stmt* insert, int i) {
                          const CGHRoadStandard& s = all[static_cast<std::size_t>(i)];
                          int k = 1;
                          for (long value : {s.MLayerID, s.IsCityRoad ? 1L : 0L, s.HasRoadTypes,
                                             s.RLayerID, s.ELayerID, s.GLayerID, s.TLayerID})
                              sqlite3_bind_int64(insert, k++, value);
                      });
    CheckStored(state);
    state.SetItemsProcessed(state.iterations() * kStandards);
}

BENCHMARK(ReplaceStandards)->Name("ghdb/EditAllGHRoadStandard 1000")->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceStandardsDirect)
    ->Name("direct/EditAllGHRoadStandard 1000")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
