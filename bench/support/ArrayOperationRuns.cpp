#include "support/ArrayOperationRuns.h"

#include "support/BenchRow.h"

namespace ghdb::bench {

void ReadAllRecords(benchmark::State& state, const std::string& connection) {
    const int rows = static_cast<int>(state.range(0));
    CRecordAccess ops(nullptr, CRecordAccess::UpdateFailure::Report);
    ops.SetConnectionString(connection.c_str());
    for (auto _ : state) {
        CArray<CBenchRow*, CBenchRow*&> records;
        if (ops.ReadAllAsNew("SELECT * FROM GHB_Row", records, 1) != 2 || records.GetSize() != rows)
            state.SkipWithError("read failed");
        ReleaseArrayData(records, 0);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void AddAllRecords(benchmark::State& state, const std::string& connection) {
    const int rows = static_cast<int>(state.range(0));
    CRecordAccess ops(nullptr, CRecordAccess::UpdateFailure::Report);
    ops.SetConnectionString(connection.c_str());
    CArray<CBenchRow, CBenchRow&> values = SampleRows(rows);
    for (auto _ : state) {
        state.PauseTiming();
        ops.DeleteRecordInfo("DELETE FROM GHB_Row");
        state.ResumeTiming();
        if (ops.AddAllFromValues("SELECT * FROM GHB_Row WHERE (1 = -1)", values) != 2)
            state.SkipWithError("insert failed");
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace ghdb::bench
