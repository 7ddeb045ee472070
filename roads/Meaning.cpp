#include "roads/Meaning.h"

#include <unordered_map>
#include <unordered_set>

#include "catalogue/Layer.h"
#include "frame/BaseClassAccess.h"
#include "frame/ColumnWriter.h"
#include "frame/Statement.h"

namespace ghdb {

namespace {

// Walks parent links through an index of the list by id, built once per walk, so that each
// step costs the same however long the list is.
class ParentWalk {
public:
    ParentWalk(CArray<CGHMeaning*, CGHMeaning*&>& all, CGHMeaning* start) : current_(start) {
        firstOfId_.reserve(static_cast<std::size_t>(all.GetSize()));
        for (int i = 0; i < all.GetSize(); ++i)
            if (all[i]) firstOfId_.emplace(all[i]->MeaningID, all[i]);
        met_.insert(start);
    }

    // Moves to the parent of the current meaning: false when there is none, or when it was met
    // already (the links form a loop).
    bool Up() {
        if (current_->MeaningID == -1) return false;
        const auto parent = firstOfId_.find(current_->ParentID);
        if (parent == firstOfId_.end() || !met_.insert(parent->second).second) return false;
        current_ = parent->second;
        return true;
    }
    CGHMeaning* Current() const noexcept { return current_; }

private:
    std::unordered_map<long, CGHMeaning*> firstOfId_;
    std::unordered_set<const CGHMeaning*> met_;
    CGHMeaning* current_;
};

constexpr const char* kSelectAll = "SELECT * FROM GHSJ_GHMeaningConfig";

}  // namespace

const ColumnTable<CGHMeaning>& CGHMeaning::Columns() {
    static const ColumnTable<CGHMeaning> columns = {
        {"MeaningID", &CGHMeaning::MeaningID, ColumnRole::ReadBack},
        {"ParentID", &CGHMeaning::ParentID},
        {"MeaningName", &CGHMeaning::MeaningName},
        {"Sequence", &CGHMeaning::Sequence},
    };
    return columns;
}

CGHMeaning* CGHMeaning::GetParent(CArray<CGHMeaning*, CGHMeaning*&>& all) {
    if (MeaningID == -1) return nullptr;
    for (int i = 0; i < all.GetSize(); ++i)
        if (all[i] && all[i]->MeaningID == ParentID) return all[i];
    return nullptr;
}

CGHMeaning* CGHMeaning::FindTopParent(CArray<CGHMeaning*, CGHMeaning*&>& all) {
    ParentWalk walk(all, this);
    while (walk.Up()) {
    }
    return walk.Current();
}

int CGHMeaning::IsMyAncestor(CArray<CGHMeaning*, CGHMeaning*&>& all, const CGHMeaning* candidate) {
    ParentWalk walk(all, this);
    while (walk.Up())
        if (walk.Current() == candidate) return 1;
    return 0;
}

int CGHMeaning::GetChildMeaningArr(const CArray<CGHMeaning*, CGHMeaning*&>& all,
                                   CArray<CGHMeaning*, CGHMeaning*>& children) {
    children.RemoveAll();
    if (MeaningID == -1) return 0;
    for (int i = 0; i < all.GetSize(); ++i)
        if (all.GetAt(i) && all.GetAt(i)->ParentID == MeaningID) children.Add(all.GetAt(i));
    return children.GetSize();
}

long CBaseClassAccess::GetGHMeaning(CGHMeaning& rec) {
    return db_.ReadOneRecordInfo(
        FormatSql("SELECT * FROM GHSJ_GHMeaningConfig where MeaningID=%d", rec.MeaningID), &rec);
}

long CBaseClassAccess::GetAllGHMeaning(CArray<CGHMeaning*, CGHMeaning*&>& out) {
    return db_.ReadAllAsNew(kSelectAll, out, 1);
}

long CBaseClassAccess::EditAllGHMeaning(CArray<CGHMeaning*, CGHMeaning*&>& all) {
    // The ids are stored as the meanings carry them, so parent links stay valid.
    CColumnWriter<CGHMeaning> writer(CGHMeaning::Columns());
    return db_.ReplaceAllWith("DELETE FROM GHSJ_GHMeaningConfig", kSelectAll, all.GetSize(),
                              writer.Each(all), all.IsEmpty() ? 1 : 2);
}

long CBaseClassAccess::GetGISLayersbyGHMeaning(CGHMeaning meaning,
                                               CArray<CGISLayer*, CGISLayer*>& out) {
    return ReadLayers(
        FormatSql("SELECT * FROM GHGIS_Layer WHERE MeaningID = %d", meaning.MeaningID), out);
}

long CBaseClassAccess::SetGISLayersByGHMeaning(long fromMeaningId, long toMeaningId) {
    const long status = db_.DeleteRecordInfo(FormatSql(
        "UPDATE GHGIS_Layer SET MeaningID = %d WHERE MeaningID = %d", toMeaningId, fromMeaningId));
    return status < 0 ? status : 2;
}

}  // namespace ghdb
