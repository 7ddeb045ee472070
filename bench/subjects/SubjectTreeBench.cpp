// Assembling the subject tree of a type (GetAllDefaultSubject with descendants), beside the
// same reads and the same order built directly on libsqlite3.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

constexpr long kType = 1;
// Every subject below the top level has this many children until the count is reached, so
// that 1,000 subjects per top-level subject make five levels.
constexpr int kKids = 6;

// A database holding `subjects` subjects of type kType, one top-level subject per thousand,
// filed in the reverse of their id order; sibling orders repeat, so ties occur.
const std::string& Database(int subjects) {
    static std::map<int, std::string> made;
    auto found = made.find(subjects);
    if (found != made.end()) return found->second;
    const std::string connection = MakeConfigDatabase("subjects-" + std::to_string(subjects));
    sqlite3* db = OpenDirect(connection);
    const int tops = subjects / 1000;
    ExecOrThrow(db, "BEGIN");
    for (int i = 0; i < subjects; ++i) {
        const long parent = i < tops ? -1 : (i - tops) / kKids + 1;
        ExecOrThrow(db, FormatString("INSERT INTO GHGIS_DefaultSubject (SubjectID, SubjectType, "
                                     "QueryLayer, SubjectName, Remark, ParentID, OrderIndex) "
                                     "VALUES (%d, %d, 0, 'subject %d', '', %d, %d)",
                                     i + 1, kType, i + 1, parent, (i * 7919) % 13)
                            .str());
        if (i < tops)
            ExecOrThrow(db, FormatString("INSERT INTO GHGIS_SubjectClass (SubjectType, SubjectID, "
                                         "SubjectOrder) VALUES (%d, %d, %d)",
                                         kType, i + 1, tops - i)
                                .str());
    }
    ExecOrThrow(db, "COMMIT");
    sqlite3_close(db);
    return made.emplace(subjects, connection).first->second;
}

void AssembleTree(benchmark::State& state) {
    const int subjects = static_cast<int>(state.range(0));
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(Database(subjects).c_str());
    for (auto _ : state) {
        CArray<CGISDefaultSubject, CGISDefaultSubject&> out;
        if (access->GetAllDefaultSubject(kType, out, 1) != 2 || out.GetSize() != subjects)
            state.SkipWithError("assembly failed");
    }
    access->ReleaseInstance();
    state.SetItemsProcessed(state.iterations() * subjects);
}

// The statements the library issues.
constexpr const char* kAll = "SELECT * FROM GHGIS_DefaultSubject ";
constexpr const char* kTops =
    "SELECT b.SubjectType AS SubjectType, a.SubjectID AS SubjectID, a.SubjectName AS "
    "SubjectName, a.QueryLayer AS QueryLayer, a.Remark AS Remark, a.ParentID AS ParentID, "
    "a.OrderIndex AS OrderIndex FROM GHGIS_DefaultSubject a INNER JOIN GHGIS_SubjectClass b ON "
    "a.SubjectID = b.SubjectID WHERE b.SubjectType = ? AND a.ParentID < 0 ORDER BY "
    "b.SubjectOrder ";

// Reads every row of a prepared statement into subjects, each column found by its name.
void ReadRows(sqlite3_stmt* stmt, std::vector<CGISDefaultSubject>& out) {
    std::map<std::string, int> at;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) at[sqlite3_column_name(stmt, i)] = i;
    const int id = at["SubjectID"], type = at["SubjectType"], query = at["QueryLayer"],
              name = at["SubjectName"], remark = at["Remark"], parent = at["ParentID"],
              order = at["OrderIndex"];
    const auto text = [stmt](int i) {
        const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        return CString(std::string(chars ? chars : "",
                                   static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
    };
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        CGISDefaultSubject& s = out.emplace_back();
        s.SubjectID = sqlite3_column_int(stmt, id);
        s.SubjectType = sqlite3_column_int(stmt, type);
        s.QueryLayer = sqlite3_column_int(stmt, query);
        s.SubjectName = text(name);
        s.Remark = text(remark);
        s.ParentID = sqlite3_column_int(stmt, parent);
        s.OrderIndex = sqlite3_column_int(stmt, order);
    }
    sqlite3_reset(stmt);
}

// The top-level subjects, each followed by its descendants (children in sibling order, then
// each child's descendants), every subject once.
void BuildOrder(const std::vector<CGISDefaultSubject>& all, std::vector<CGISDefaultSubject>& tops,
                CArray<CGISDefaultSubject, CGISDefaultSubject&>& out) {
    std::unordered_map<long, std::vector<int>> kids;
    for (int i = 0; i < static_cast<int>(all.size()); ++i) kids[all[i].ParentID].push_back(i);
    for (auto& [parent, list] : kids)
        std::stable_sort(list.begin(), list.end(),
                         [&](int a, int b) { return all[a].OrderIndex < all[b].OrderIndex; });
    std::unordered_set<long> met;
    const auto append = [&](const CGISDefaultSubject& s) {
        if (!met.insert(s.SubjectID).second) return;
        CGISDefaultSubject copy = s;
        out.Add(copy);
    };
    std::vector<long> pending;
    for (CGISDefaultSubject& top : tops) append(top);
    for (const CGISDefaultSubject& top : tops) {
        // Depth first: a subject's children together, then each child's descendants.
        pending.assign(1, top.SubjectID);
        while (!pending.empty()) {
            const long id = pending.back();
            pending.pop_back();
            const auto found = kids.find(id);
            if (found == kids.end()) continue;
            for (int i : found->second) append(all[i]);
            for (auto i = found->second.rbegin(); i != found->second.rend(); ++i)
                pending.push_back(all[*i].SubjectID);
        }
    }
}

void AssembleTreeDirect(benchmark::State& state) {
    const int subjects = static_cast<int>(state.range(0));
    sqlite3* db = OpenDirect(Database(subjects));
    sqlite3_stmt* all = nullptr;
    sqlite3_stmt* tops = nullptr;
    sqlite3_prepare_v2(db, kAll, -1, &all, nullptr);
    sqlite3_prepare_v2(db, kTops, -1, &tops, nullptr);
    for (auto _ : state) {
        std::vector<CGISDefaultSubject> rows, topRows;
        ReadRows(all, rows);
        sqlite3_bind_int(tops, 1, static_cast<int>(kType));
        ReadRows(tops, topRows);
        CArray<CGISDefaultSubject, CGISDefaultSubject&> out;
        BuildOrder(rows, topRows, out);
        if (out.GetSize() != subjects) state.SkipWithError("assembly failed");
    }
    sqlite3_finalize(all);
    sqlite3_finalize(tops);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * subjects);
}

BENCHMARK(AssembleTree)
    ->Name("ghdb/GetAllDefaultSubject")
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(AssembleTreeDirect)
    ->Name("direct/GetAllDefaultSubject")
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
