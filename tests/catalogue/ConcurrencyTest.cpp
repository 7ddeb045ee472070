// Several processes writing one database through the library, and processes killed in the
// middle of a write.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <set>
#include <thread>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

class ConcurrencyTest : public CatalogueTest {
protected:
    // Runs `work` in a child process with an access object of its own; the child's exit status
    // is the number of failed calls `work` returns.
    pid_t Spawn(const std::function<int(CBaseClassAccess&)>& work) {
        const pid_t pid = fork();
        if (pid != 0) return pid;
        int failures = 100;
        if (CBaseClassAccess* own = CBaseClassAccess::CreateInstance(connectionString.c_str())) {
            failures = work(*own);
            own->ReleaseInstance();
        }
        _exit(failures);
    }
    static int Failures(pid_t pid) {
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void ExpectIntact() {
        if (OnSqlite()) {
            EXPECT_EQ(Rows("PRAGMA integrity_check"), (Table{{"ok"}}));
        }
    }
};

TEST_F(ConcurrencyTest, WritersInSeveralProcessesWaitForEachOtherAndShareNoPosition) {
    constexpr int kWriters = 4;
    constexpr int kEach = 15;
    const long parent = AddGroup("parent");
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.push_back(Spawn([&](CBaseClassAccess& own) {
            int failures = 0;
            for (int i = 0; i < kEach; ++i) {
                CGISLayerGroup group;
                group.LayerGroupName = "child";
                group.ParentGroupID = parent;
                failures += own.AddLayerGroup(group) != 2;
                CGISLayer layer;
                layer.LayerID = 1000 * (w + 1) + i;
                failures += own.AddLayer(parent, layer) != 2;
                CGISLayer custom;
                failures += own.AddLayerOfCustom(custom, 1) != 2;
            }
            return failures;
        }));
    }
    for (pid_t pid : writers) EXPECT_EQ(Failures(pid), 0);

    // Each writer's positions and custom ids are its own.
    for (const std::string& sql :
         {"SELECT DispOrder FROM GHGIS_LayerGroup WHERE ParentGroupID = " + N(parent),
          "SELECT DispOrder FROM GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = " + N(parent),
          std::string("SELECT LayerID FROM GHGIS_Layer WHERE LayerID < 0")}) {
        const Table values = Rows(sql);
        EXPECT_EQ(values.size(), size_t{kWriters * kEach}) << sql;
        EXPECT_EQ(std::set(values.begin(), values.end()).size(), values.size()) << sql;
    }
    ExpectIntact();
}

// A child killed while it replaces a layer's fields or removes a group leaves the database as
// it was before or after that call, never in between.
class CrashTest : public ConcurrencyTest {
protected:
    // Starts `work` in a child, waits until it has begun writing, lets it run `delay`, then
    // kills it.
    void KillDuring(const std::function<int(CBaseClassAccess&)>& work,
                    std::chrono::microseconds delay) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t pid = Spawn([&](CBaseClassAccess& own) {
            bool told = false;
            own.RefConnection()->SetStatementLog([&](const std::string&) {
                if (!told && write(ready[1], "x", 1) == 1) told = true;
            });
            return work(own);
        });
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
        std::this_thread::sleep_for(delay);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        close(ready[0]);
        close(ready[1]);
    }
};

TEST_F(CrashTest, AKilledReplacementLeavesTheOldOrTheNewFields) {
    InsertLayer(10, "layer");
    for (int delay : {0, 200, 1000, 3000, 8000, 20000}) {
        SCOPED_TRACE(delay);
        KillDuring(
            [](CBaseClassAccess& own) {
                // Alternates two field lists for as long as it lives.
                for (int round = 0;; ++round) {
                    CArray<CGISFieldInfo, CGISFieldInfo&> fields;
                    CGISFieldInfo field = Field(round % 2 ? "r1" : "r0");
                    for (int i = 0; i < (round % 2 ? 3 : 40); ++i) fields.Add(field);
                    own.UpdateLayerFieldInfo(10, fields);
                }
                return 0;
            },
            std::chrono::microseconds(delay));
        const Table stored =
            Rows("SELECT FieldName, COUNT(*) FROM GH_FieldInfo GROUP BY FieldName");
        const Table old{{"r0", "40"}}, fresh{{"r1", "3"}};
        EXPECT_TRUE(stored.empty() || stored == old || stored == fresh);
        ExpectIntact();
    }
}

TEST_F(CrashTest, AKilledGroupRemovalLeavesTheWholeGroupOrNothingOfIt) {
    for (int delay : {0, 500, 2000, 6000}) {
        SCOPED_TRACE(delay);
        const long group = AddGroup("removed");
        for (long layer = 1; layer <= 40; ++layer) {
            InsertLayer(layer, "layer");
            Link(group, layer, layer);
            AddDependants(layer, layer);
        }
        KillDuring([&](CBaseClassAccess& own) { return own.DeleteLayerGroup(group) == 2 ? 0 : 1; },
                   std::chrono::microseconds(delay));
        const bool whole = Count("GHGIS_Layer") != 0;
        for (const auto& [table, rows] : Whole())
            EXPECT_EQ(Count(table), whole ? 40 * rows : 0) << table;
        EXPECT_EQ(Count("GHGIS_LayerGroup"), whole ? 1 : 0);
        ExpectIntact();
        ClearCatalogue();
    }
}

}  // namespace
}  // namespace ghdb::test
