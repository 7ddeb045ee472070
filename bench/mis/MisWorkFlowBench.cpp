// Listing every active workflow of the MIS database (GetAllMISWorkFlow), beside the same read
// written directly.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "catalogue/CatalogueData.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

// 5,000 workflow codes with two active versions each.
constexpr int kCodes = 5000;
constexpr int kWorkFlows = 2 * kCodes;

// The MIS database file of the run, removed when the run ends.
class MisDatabase {
public:
    MisDatabase()
        : file_((std::filesystem::temp_directory_path() /
                 ("ghdb-bench-" + std::to_string(getpid()) + "-mis.db"))
                    .string()),
          connection_("Provider=SQLite;Data Source=" + file_) {
        Remove();
        if (CreateMisSchema(connection_.c_str()) != 2)
            throw std::runtime_error("cannot create the MIS tables in " + file_);
        sqlite3* db = OpenDirect(connection_);
        ExecOrThrow(db, "BEGIN");
        for (int code = 0; code < kCodes; ++code) {
            const std::string name = FormatString("FLOW%05d", code).str();
            ExecOrThrow(db, FormatString("INSERT INTO S_WorkFlows (FlowCode, FlowName, FlowType, "
                                         "AutoNoID, Owner, OwnerType, IsSys, Note) VALUES ('%s', "
                                         "'流程%d', 1, 'AUTO', '规划科', 1, 0, '')",
                                         name, code)
                                .str());
            for (int version = 1; version <= 2; ++version)
                ExecOrThrow(db, FormatString("INSERT INTO S_Workflows_Ex (FlowID, FlowCode, "
                                             "IsActive, Version) VALUES ('%s-V%d', '%s', 1, %d)",
                                             name, version, name, version)
                                    .str());
        }
        ExecOrThrow(db, "COMMIT");
        sqlite3_close(db);
    }
    ~MisDatabase() { Remove(); }
    const std::string& connection() const { return connection_; }

private:
    void Remove() {
        std::error_code ignored;
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(file_ + suffix, ignored);
    }
    std::string file_;
    std::string connection_;
};

const std::string& Database() {
    static const MisDatabase database;
    return database.connection();
}

void AllWorkFlows(benchmark::State& state) {
    CMisDBAccess* access = CMisDBAccess::CreateInstance(Database().c_str());
    for (auto _ : state) {
        CArray<CMISWorkFlow, CMISWorkFlow&> flows;
        if (access->GetAllMISWorkFlow(flows) != 2 || flows.GetSize() != kWorkFlows)
            state.SkipWithError("read failed");
    }
    access->ReleaseInstance();
    state.SetItemsProcessed(state.iterations() * kWorkFlows);
}

// The library's statement as the embedded engine runs it (without the owner prefix).
constexpr const char* kAllWorkFlows =
    "SELECT FlowName, c.flowcode, a.flowid, FlowType, OwnerType, AutoNoID, Owner, IsSys, Note "
    "FROM (SELECT wfe.FlowID FROM (SELECT FlowCode, Version FROM S_Workflows_Ex WHERE "
    "(IsActive = 1) GROUP BY FlowCode, Version) fv LEFT OUTER JOIN S_Workflows_Ex wfe ON "
    "fv.FlowCode = wfe.FlowCode AND fv.Version = wfe.Version) a LEFT OUTER JOIN S_WorkFlows_Ex "
    "b ON a.FlowId = b.FlowId LEFT OUTER JOIN S_WorkFlows c ON b.FlowCode = c.FlowCode";

CString Text(sqlite3_stmt* stmt, int i) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    return CString(
        std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
}

void AllWorkFlowsDirect(benchmark::State& state) {
    sqlite3* db = OpenDirect(Database());
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, kAllWorkFlows, -1, &stmt, nullptr);
    for (auto _ : state) {
        CArray<CMISWorkFlow, CMISWorkFlow&> flows;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            CMISWorkFlow flow;
            if (sqlite3_column_type(stmt, 1) != SQLITE_NULL) flow.FlowCode = Text(stmt, 1);
            if (sqlite3_column_type(stmt, 2) != SQLITE_NULL) flow.FlowID = Text(stmt, 2);
            flows.Add(flow);
        }
        sqlite3_reset(stmt);
        if (flows.GetSize() != kWorkFlows) state.SkipWithError("read failed");
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kWorkFlows);
}

BENCHMARK(AllWorkFlows)->Name("ghdb/GetAllMISWorkFlow 10000")->Unit(benchmark::kMillisecond);
BENCHMARK(AllWorkFlowsDirect)
    ->Name("direct/GetAllMISWorkFlow 10000")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
