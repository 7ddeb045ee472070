// Removing a subtree of subjects with their layer assignments (DeleteDefaultSubjectRecursive),
// beside the same statements run directly on libsqlite3.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <map>
#include <string>

#include "catalogue/CatalogueData.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

// Each subject has this many children until the subtree holds its count: five levels for
// 5,000 subjects.
constexpr int kKids = 8;
constexpr int kLayersPerSubject = 4;

// Stores subject base + 1 with `subjects` - 1 descendants (ids base + 1 .. base + subjects),
// each with its layer assignments, in one transaction.
void FillSubtree(sqlite3* db, long base, int subjects) {
    ExecOrThrow(db, "BEGIN");
    for (int i = 0; i < subjects; ++i) {
        const long id = base + i + 1;
        const long parent = i == 0 ? -1 : base + (i - 1) / kKids + 1;
        ExecOrThrow(db, FormatString("INSERT INTO GHGIS_DefaultSubject (SubjectID, SubjectType, "
                                     "ParentID, OrderIndex, SubjectName) VALUES (%d, 1, %d, %d, "
                                     "'subject')",
                                     id, parent, i % kKids)
                            .str());
        for (int layer = 0; layer < kLayersPerSubject; ++layer)
            ExecOrThrow(db, FormatString("INSERT INTO GHGIS_SubjectLayers (SubjectID, LayerID, "
                                         "LayerOrder) VALUES (%d, %d, %d)",
                                         id, layer + 1, layer)
                                .str());
    }
    ExecOrThrow(db, "COMMIT");
}

// The subtree removed, subject 1; another as large stays beside it.
constexpr long kOtherBase = 1000000;

const std::string& Database(int subjects) {
    static std::map<int, std::string> made;
    auto found = made.find(subjects);
    if (found != made.end()) return found->second;
    const std::string connection = MakeConfigDatabase("subject-delete-" + std::to_string(subjects));
    sqlite3* db = OpenDirect(connection);
    FillSubtree(db, 0, subjects);
    FillSubtree(db, kOtherBase, subjects);
    sqlite3_close(db);
    return made.emplace(subjects, connection).first->second;
}

void CheckLeft(benchmark::State& state, sqlite3* db, int subjects) {
    if (QueryLong(db, "SELECT COUNT(*) FROM GHGIS_DefaultSubject") != subjects ||
        QueryLong(db, "SELECT COUNT(*) FROM GHGIS_SubjectLayers") !=
            static_cast<long>(subjects) * kLayersPerSubject)
        state.SkipWithError("the removal left the wrong rows");
}

void DeleteSubtree(benchmark::State& state) {
    const int subjects = static_cast<int>(state.range(0));
    const std::string& connection = Database(subjects);
    sqlite3* db = OpenDirect(connection);
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(connection.c_str());
    for (auto _ : state) {
        if (access->DeleteDefaultSubjectRecursive(1) != 2) state.SkipWithError("removal failed");
        state.PauseTiming();
        CheckLeft(state, db, subjects);
        FillSubtree(db, 0, subjects);
        state.ResumeTiming();
    }
    access->ReleaseInstance();
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * subjects);
}

// The library's statements, prepared once.
class DirectRemoval {
public:
    explicit DirectRemoval(sqlite3* db) : db_(db) {
        sqlite3_prepare_v2(
            db, "SELECT * FROM GHGIS_DefaultSubject WHERE (ParentID = ?) ORDER BY OrderIndex", -1,
            &kids_, nullptr);
        sqlite3_prepare_v2(db, "Delete FROM GHGIS_SubjectLayers WHERE (SubjectID = ?)", -1,
                           &layers_, nullptr);
        sqlite3_prepare_v2(db, "Delete FROM GHGIS_DefaultSubject WHERE (SubjectID = ?)", -1,
                           &subject_, nullptr);
    }
    ~DirectRemoval() {
        for (sqlite3_stmt* stmt : {kids_, layers_, subject_}) sqlite3_finalize(stmt);
    }
    DirectRemoval(const DirectRemoval&) = delete;
    DirectRemoval& operator=(const DirectRemoval&) = delete;

    bool Remove(long id) {
        ExecOrThrow(db_, "BEGIN IMMEDIATE");
        const bool done = RemoveTree(id);
        ExecOrThrow(db_, "COMMIT");
        return done;
    }

private:
    bool RemoveTree(long id) {
        std::vector<long> kids;
        sqlite3_bind_int64(kids_, 1, id);
        while (sqlite3_step(kids_) == SQLITE_ROW) kids.push_back(sqlite3_column_int(kids_, 0));
        sqlite3_reset(kids_);
        for (long kid : kids) RemoveTree(kid);
        return Run(layers_, id) && Run(subject_, id);
    }
    static bool Run(sqlite3_stmt* stmt, long id) {
        sqlite3_bind_int64(stmt, 1, id);
        const bool done = sqlite3_step(stmt) == SQLITE_DONE;
        sqlite3_reset(stmt);
        return done;
    }

    sqlite3* db_;
    sqlite3_stmt* kids_ = nullptr;
    sqlite3_stmt* layers_ = nullptr;
    sqlite3_stmt* subject_ = nullptr;
};

void DeleteSubtreeDirect(benchmark::State& state) {
    const int subjects = static_cast<int>(state.range(0));
    sqlite3* db = OpenDirect(Database(subjects));
    {
        DirectRemoval removal(db);
        for (auto _ : state) {
            if (!removal.Remove(1)) state.SkipWithError("removal failed");
            state.PauseTiming();
            CheckLeft(state, db, subjects);
            FillSubtree(db, 0, subjects);
            state.ResumeTiming();
        }
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * subjects);
}

BENCHMARK(DeleteSubtree)
    ->Name("ghdb/DeleteDefaultSubjectRecursive")
    ->Arg(5000)
    ->Arg(10000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteSubtreeDirect)
    ->Name("direct/DeleteDefaultSubjectRecursive")
    ->Arg(5000)
    ->Arg(10000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
