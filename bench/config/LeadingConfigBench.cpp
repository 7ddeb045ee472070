// The settings of a CLeadingConfig: their first access (every row of GH_ConfigInfo read into
// the cache and indexed by name) and look-ups by name once they are cached, beside the same
// rows read by hand with libsqlite3 into an array indexed by a standard hash map.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

constexpr int kSettings = 5000;
constexpr int kLookUps = 100000;

CString SettingName(int i) {
    return FormatString("PlanningSetting%04d", i);
}

const std::string& Database() {
    static const std::string connection =
        MakeFilledConfigDatabase("settings", kSettings, [](int i) {
            return FormatString(
                       "INSERT INTO GH_ConfigInfo (ConfigItemName, "
                       "ConfigItemValue, ConfigRemark) VALUES ('%s', "
                       "'D:\\GHGIS\\Shared\\Path%d', '共享路径 %d')",
                       SettingName(i), i, i)
                .str();
        });
    return connection;
}

// The names looked up, in an order that wanders over the whole table.
const std::vector<CString>& LookUpNames() {
    static const std::vector<CString> names = [] {
        std::vector<CString> made;
        made.reserve(kLookUps);
        for (int i = 0; i < kLookUps; ++i) made.push_back(SettingName((i * 7919) % kSettings));
        return made;
    }();
    return names;
}

void FirstAccess(benchmark::State& state) {
    CLeadingConfig* config = CLeadingConfig::CreateInstance(Database().c_str());
    const CString first = SettingName(0);
    for (auto _ : state) {
        config->ReleaseData();
        if (config->GetConfigItem(first) != "D:\\GHGIS\\Shared\\Path0")
            state.SkipWithError("load failed");
    }
    config->ReleaseInstance();
    state.SetItemsProcessed(state.iterations() * kSettings);
}

CString Text(sqlite3_stmt* stmt, int i) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    return CString(
        std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
}

// Every setting read into items, each column found by its name.
void ReadSettings(sqlite3_stmt* stmt, CArray<_tagCONFIGITEM, _tagCONFIGITEM&>& items) {
    std::map<std::string, int> at;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) at[sqlite3_column_name(stmt, i)] = i;
    const int name = at["ConfigItemName"], value = at["ConfigItemValue"],
              remark = at["ConfigRemark"];
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        _tagCONFIGITEM item;
        item.ConfigItemName = Text(stmt, name);
        item.ConfigItemValue = Text(stmt, value);
        item.ConfigRemark = Text(stmt, remark);
        items.Add(item);
    }
    sqlite3_reset(stmt);
}

// Where the last setting of each name lies.
std::unordered_map<std::string, int> IndexByName(
    const CArray<_tagCONFIGITEM, _tagCONFIGITEM&>& items) {
    std::unordered_map<std::string, int> index;
    index.reserve(static_cast<std::size_t>(items.GetSize()));
    for (int i = 0; i < items.GetSize(); ++i) index[items[i].ConfigItemName.str()] = i;
    return index;
}

void FirstAccessDirect(benchmark::State& state) {
    sqlite3* db = OpenDirect(Database());
    sqlite3_stmt* all = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM GH_ConfigInfo", -1, &all, nullptr);
    for (auto _ : state) {
        CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
        ReadSettings(all, items);
        const auto index = IndexByName(items);
        if (items[index.at(SettingName(0).str())].ConfigItemValue != "D:\\GHGIS\\Shared\\Path0")
            state.SkipWithError("load failed");
    }
    sqlite3_finalize(all);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kSettings);
}

void LookUps(benchmark::State& state) {
    CLeadingConfig* config = CLeadingConfig::CreateInstance(Database().c_str());
    const std::vector<CString>& names = LookUpNames();
    config->GetConfigItem(names.front());
    for (auto _ : state) {
        std::size_t length = 0;
        for (const CString& name : names) length += config->GetConfigItem(name).str().size();
        benchmark::DoNotOptimize(length);
    }
    config->ReleaseInstance();
    state.SetItemsProcessed(state.iterations() * kLookUps);
}

void LookUpsDirect(benchmark::State& state) {
    sqlite3* db = OpenDirect(Database());
    sqlite3_stmt* all = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM GH_ConfigInfo", -1, &all, nullptr);
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
    ReadSettings(all, items);
    sqlite3_finalize(all);
    sqlite3_close(db);
    const auto index = IndexByName(items);
    // Takes the name by value and hands back a copy of the value, as GetConfigItem does.
    const auto lookUp = [&](CString name) {
        return items[index.find(name.str())->second].ConfigItemValue;
    };
    const std::vector<CString>& names = LookUpNames();
    for (auto _ : state) {
        std::size_t length = 0;
        for (const CString& name : names) length += lookUp(name).str().size();
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * kLookUps);
}

BENCHMARK(FirstAccess)
    ->Name("ghdb/CLeadingConfig first settings access 5000")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FirstAccessDirect)
    ->Name("direct/CLeadingConfig first settings access 5000")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(LookUps)->Name("ghdb/GetConfigItem 100000 look-ups")->Unit(benchmark::kMillisecond);
BENCHMARK(LookUpsDirect)
    ->Name("direct/GetConfigItem 100000 look-ups")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
