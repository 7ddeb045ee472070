// Replacing the whole main menu (SetAllMainMenuItem), beside the same delete and inserts run
// directly on libsqlite3 in one transaction.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

constexpr int kItems = 2000;

// Entry i of a menu three levels deep, every tenth a separator and every hundredth a pop-up.
CGHMainMenuItem MenuItem(int i) {
    CGHMainMenuItem item;
    item.TreeCode = FormatString("%c%c%c", 'A' + i / 676, 'A' + i / 26 % 26, 'A' + i % 26);
    item.Separator = i % 10 == 9;
    item.ItemName = FormatString("菜单项 %d", i);
    item.PopUp = i % 100 == 0;
    item.ItemID = i + 1;
    item.FunctionID = 1000 + i;
    item.InfoTip = FormatString("打开规划图层 %d", i);
    item.Remark = "";
    item.Reserve = "GHGIS";
    return item;
}

// A database whose menu already holds as many entries as the one that replaces it.
const std::string& Database() {
    static const std::string connection = MakeFilledConfigDatabase("main-menu", kItems, [](int i) {
        return FormatString(
                   "INSERT INTO GHSJ_MainMenu (TreeCode, Separator, "
                   "ItemName, PopUp, ItemID, FunctionID) VALUES ('Z', 0, "
                   "'old', 0, %d, -1)",
                   i + 1)
            .str();
    });
    return connection;
}

void CheckStored(benchmark::State& state) {
    if (!HoldsRows(Database(), "GHSJ_MainMenu", "FunctionID", kItems,
                   1000L * kItems + static_cast<long>(kItems) * (kItems - 1) / 2))
        state.SkipWithError("the replacement stored the wrong rows");
}

void ReplaceMenu(benchmark::State& state) {
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(Database().c_str());
    CArray<CGHMainMenuItem, CGHMainMenuItem&> items;
    for (int i = 0; i < kItems; ++i) {
        CGHMainMenuItem item = MenuItem(i);
        items.Add(item);
    }
    for (auto _ : state)
        if (access->SetAllMainMenuItem(items) != 2) state.SkipWithError("replacement failed");
    items.RemoveAll();
    access->ReleaseInstance();
    CheckStored(state);
    state.SetItemsProcessed(state.iterations() * kItems);
}

void ReplaceMenuDirect(benchmark::State& state) {
    std::vector<CGHMainMenuItem> items;
    for (int i = 0; i < kItems; ++i) items.push_back(MenuItem(i));
    TimeDirectReplace(
        state, Database(), "DELETE FROM GHSJ_MainMenu WHERE 1=1 ",
        "INSERT INTO GHSJ_MainMenu (TreeCode, Separator, ItemName, PopUp, ItemID, FunctionID, "
        "InfoTip, Remark, Reserve) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
        kItems, [&](sqlite3_stmt* insert, int i) {
            const CGHMainMenuItem& item = items[static_cast<std::size_t>(i)];
            const auto text = [insert](int index, const CString& value) {
                sqlite3_bind_text(insert, index, value, value.GetLength(), SQLITE_TRANSIENT);
            };
            text(1, item.TreeCode);
            sqlite3_bind_int(insert, 2, item.Separator ? 1 : 0);
            text(3, item.ItemName);
            sqlite3_bind_int(insert, 4, item.PopUp ? 1 : 0);
            sqlite3_bind_int64(insert, 5, item.ItemID);
            sqlite3_bind_int64(insert, 6, item.FunctionID);
            text(7, item.InfoTip);
            text(8, item.Remark);
            text(9, item.Reserve);
        });
    CheckStored(state);
    state.SetItemsProcessed(state.iterations() * kItems);
}

BENCHMARK(ReplaceMenu)->Name("ghdb/SetAllMainMenuItem 2000")->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceMenuDirect)->Name("direct/SetAllMainMenuItem 2000")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
