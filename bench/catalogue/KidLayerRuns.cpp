#include "catalogue/KidLayerRuns.h"

#include "ghdb.h"

namespace ghdb::bench {

void ReadKidLayers(benchmark::State& state, const std::string& connection, long group, int layers) {
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(connection.c_str());
    for (auto _ : state) {
        CArray<CGISLayer*, CGISLayer*> read;
        if (access->GetKidLayers(group, read, "") != 2 || read.GetSize() != layers)
            state.SkipWithError("read failed");
        ReleaseArrayData(read, 0);
    }
    access->ReleaseInstance();
    state.SetItemsProcessed(state.iterations() * layers);
}

}  // namespace ghdb::bench
