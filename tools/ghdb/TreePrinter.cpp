#include "tools/ghdb/TreePrinter.h"

#include <string>
#include <unordered_set>

namespace ghdb::tool {

namespace {

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

class TreeWriter {
public:
    TreeWriter(CBaseClassAccess& access, std::ostream& out) : access_(access), out_(out) {}

    bool Write() {
        WriteKids(-1, 0);
        return complete_;
    }

private:
    void Check(long status) {
        if (status < 0) complete_ = false;
    }

    void WriteKids(long parentId, int depth) {
        CAutoReleaseArray<CGISLayerGroup*, CGISLayerGroup*> kids;
        Check(access_.GetKidLayerGroups(parentId, kids));
        for (CGISLayerGroup* kid : kids) WriteGroup(*kid, depth);
    }

    void WriteGroup(const CGISLayerGroup& group, int depth) {
        const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        if (!entered_.insert(group.LayerGroupID).second) {
            out_ << indent << group.LayerGroupName.str() << " (group " << group.LayerGroupID
                 << " shown above: its parent links form a loop)\n";
            return;
        }
        CAutoReleaseArray<CGISLayer*, CGISLayer*> layers;
        Check(access_.GetKidLayers(group.LayerGroupID, layers, ""));
        out_ << indent << group.LayerGroupName.str() << " ("
             << Counted(layers.GetSize(), "layer", "layers") << ")\n";
        WriteKids(group.LayerGroupID, depth + 1);
        for (const CGISLayer* layer : layers) WriteLayer(*layer, depth + 1);
    }

    void WriteLayer(const CGISLayer& layer, int depth) {
        CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*> fields;
        Check(access_.GetLayerFieldInfo(layer.LayerID, fields));
        const CString& name = layer.LayerAlias.IsEmpty() ? layer.LayerName : layer.LayerAlias;
        out_ << std::string(static_cast<std::size_t>(depth) * 2, ' ') << name.str() << " ["
             << layer.ShapeTypeDesc().str() << ", " << Counted(fields.GetSize(), "field", "fields")
             << "]\n";
    }

    CBaseClassAccess& access_;
    std::ostream& out_;
    std::unordered_set<long> entered_;
    bool complete_ = true;
};

}  // namespace

bool WriteLayerTree(CBaseClassAccess& access, std::ostream& out) {
    return TreeWriter(access, out).Write();
}

}  // namespace ghdb::tool
