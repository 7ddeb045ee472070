// Replacing the fields of one layer (UpdateLayerFieldInfo), beside the same replacement written
// directly: the layer's rows deleted and the new ones inserted in one transaction.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>

#include "catalogue/CatalogueData.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

constexpr long kLayer = 1;
constexpr int kFields = 1000;
constexpr int kOtherLayers = 200;
constexpr int kOtherFields = kOtherLayers * 20;

const std::string& Database() {
    static const std::string connection = [] {
        const std::string made = MakeConfigDatabase("layer-fields");
        sqlite3* db = OpenDirect(made);
        FillGroup(db, {1, kLayer, 1, kFields, false});
        // Other layers' fields, which the replacement must leave alone.
        FillGroup(db, {1, kLayer + 1, kOtherLayers, kOtherFields / kOtherLayers, false});
        sqlite3_close(db);
        return made;
    }();
    return connection;
}

// Fields as a form would hand them over: system fields first, then the layer's own.
CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*>& Fields() {
    static CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*> fields;
    if (fields.GetSize() > 0) return fields;
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(Database().c_str());
    for (int i = 0; i < kFields; ++i) {
        auto* field = new CGISFieldInfo;
        if (i < 2) {
            access->MakeSomeFieldInfo(kLayer, i == 0 ? "OBJECTID" : "SHAPE", i, *field);
        } else {
            field->FieldName = FormatString("FIELD_%d", i);
            field->FieldAlias = FormatString("字段%d", i);
            field->DataType = 1 + i % 7;
            field->Length = 50;
            field->Precise = i % 3;
            field->EnumUnitType = i % 6;
        }
        fields.Add(field);
    }
    access->ReleaseInstance();
    return fields;
}

// The layer holds the new fields once, and the other layers keep theirs.
void CheckStored(benchmark::State& state) {
    sqlite3* db = OpenDirect(Database());
    const std::string count = "SELECT COUNT(*) FROM GH_FieldInfo WHERE LayerID ";
    if (QueryLong(db, count + "= " + std::to_string(kLayer)) != kFields ||
        QueryLong(db, count + "<> " + std::to_string(kLayer)) != kOtherFields)
        state.SkipWithError("the replacement left the wrong rows");
    sqlite3_close(db);
}

void UpdateLayerFields(benchmark::State& state) {
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(Database().c_str());
    auto& fields = Fields();
    for (auto _ : state)
        if (access->UpdateLayerFieldInfo(kLayer, fields) != 1) state.SkipWithError("update failed");
    CheckStored(state);
    access->ReleaseInstance();
    state.SetItemsProcessed(state.iterations() * kFields);
}

void UpdateLayerFieldsDirect(benchmark::State& state) {
    sqlite3* db = OpenDirect(Database());
    auto& fields = Fields();
    sqlite3_stmt* remove = nullptr;
    sqlite3_prepare_v2(db, "DELETE FROM GH_FieldInfo WHERE (LayerID = ?)", -1, &remove, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO GH_FieldInfo (IsWritable, IsNullable, LayerID, OutXDataIndex, "
                       "DataType, EnumType, Length, Precise, Sequence, FieldName, FieldAlias, "
                       "EnumUnitType, DefaultValue, PageNum, StatusInfo, PropCtrlType) VALUES "
                       "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                       -1, &insert, nullptr);
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_bind_int(remove, 1, static_cast<int>(kLayer));
        if (sqlite3_step(remove) != SQLITE_DONE) state.SkipWithError("delete failed");
        sqlite3_reset(remove);
        for (int i = 0; i < fields.GetSize(); ++i) {
            CGISFieldInfo& f = *fields[i];
            f.LayerID = kLayer;
            f.Sequence = i;
            int k = 1;
            sqlite3_bind_int(insert, k++, f.IsWritable ? 1 : 0);
            sqlite3_bind_int(insert, k++, f.IsNullable ? 1 : 0);
            for (long value : {f.LayerID, f.OutXDataIndex, f.DataType, f.EnumType, f.Length,
                               f.Precise, f.Sequence})
                sqlite3_bind_int(insert, k++, static_cast<int>(value));
            sqlite3_bind_text(insert, k++, f.FieldName, f.FieldName.GetLength(), SQLITE_STATIC);
            sqlite3_bind_text(insert, k++, f.FieldAlias, f.FieldAlias.GetLength(), SQLITE_STATIC);
            sqlite3_bind_int(insert, k++, static_cast<short>(f.EnumUnitType & 0xFFFF));
            if (f.DefaultValue.IsEmptyOrNull())
                sqlite3_bind_null(insert, k++);
            else
                sqlite3_bind_text(insert, k++, f.DefValueDesc(), -1, SQLITE_TRANSIENT);
            for (short value : {f.PageNum, f.StatusInfo, f.PropCtrlType})
                sqlite3_bind_int(insert, k++, value);
            if (sqlite3_step(insert) != SQLITE_DONE) state.SkipWithError("insert failed");
            sqlite3_reset(insert);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(remove);
    sqlite3_finalize(insert);
    sqlite3_close(db);
    CheckStored(state);
    state.SetItemsProcessed(state.iterations() * kFields);
}

BENCHMARK(UpdateLayerFields)->Name("ghdb/UpdateLayerFieldInfo 1000")->Unit(benchmark::kMillisecond);
BENCHMARK(UpdateLayerFieldsDirect)
    ->Name("direct/UpdateLayerFieldInfo 1000")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
