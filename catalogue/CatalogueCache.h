#pragma once

#include <unordered_map>
#include <unordered_set>

#include "catalogue/Layer.h"
#include "catalogue/SpacialDBInfo.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// What an access object keeps of the catalogue between calls. The records held here carry no
// access object, so that they do not keep their own access object alive.
class CCatalogueCache {
public:
    // Spatial databases as first read.
    CSpacialDBInfoSet spacialDBs;
    // While layers are read in bulk: the spatial databases found missing during that read.
    std::unordered_set<long>* spacialDBMisses = nullptr;

    // Every layer, read on first use; the first layer of each id and of each name.
    CGISLayerSet layers;
    std::unordered_map<long, int> layerById;
    std::unordered_map<CString, int> layerByName;

    void ClearLayers() {
        layers.ClearAll();
        layerById.clear();
        layerByName.clear();
    }
};

}  // namespace ghdb
