#include "support/ArrayOperationRuns.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "support/BenchRow.h"

namespace ghdb::bench {

namespace {

// The resident memory of the process now.
double ResidentMegabytes() {
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

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

void ForwardPass(benchmark::State& state, const std::string& connection) {
    const int rows = static_cast<int>(state.range(0));
    ConnectionPtr c = Connection::Create();
    c->Open(connection.c_str());
    double growth = 0;
    for (auto _ : state) {
        const double start = ResidentMegabytes();
        RecordsetPtr rs = Recordset::Create();
        rs->Open("SELECT * FROM GHB_Row", c, adOpenForwardOnly, adLockReadOnly, adCmdText);
        long read = 0;
        CBenchRow record;
        _variant_t scratch;
        FieldsPtr fields = rs->GetFields();
        for (; !rs->EndOfFile(); rs->MoveNext()) {
            record.ReadFromFields(fields, scratch);
            if (++read % 50000 == 0) growth = std::max(growth, ResidentMegabytes() - start);
        }
        if (read != rows) state.SkipWithError("read failed");
    }
    state.counters["rss_growth_MB"] = growth;
    state.counters["peak_rss_MB"] = PeakResidentMegabytes();
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
