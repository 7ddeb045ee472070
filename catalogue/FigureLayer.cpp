#include "catalogue/FigureLayer.h"

#include <string>
#include <unordered_set>

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CFigureLayer>& CFigureLayer::Columns() {
    static const ColumnTable<CFigureLayer> columns = {
        {"ParseID", &CFigureLayer::ParseID},
        {"Name", &CFigureLayer::Name},
    };
    return columns;
}

namespace {

constexpr const char* kIndexOfParseId = "SELECT * FROM GH_FigureLayerIndex WHERE (ParseID = %d)";

}  // namespace

CFigureLayer& CFigureLayer::operator-=(const CFigureLayer& other) {
    std::unordered_set<std::string> names;
    if (const COwningSet<CCADLayerInfo>* theirs = other.cadLayers_.Get())
        for (const CCADLayerInfo* info : *theirs) names.insert(info->LayerName.str());
    COwningSet<CCADLayerInfo>& mine = CADLayers();
    for (int i = mine.GetSize() - 1; i >= 0; --i)
        if (names.count(mine[i]->LayerName.str())) mine.DeleteAt(i);
    return *this;
}

void CFigureLayer::AddCADLayerInfo(const CCADLayerInfo& info) {
    CADLayers().AddNew(info);
}

void CFigureLayer::ClearCADInfoArray() {
    cadLayers_.Clear();
}

CCADLayerInfo* CFigureLayer::GetTypedLayerInfo(CCADLayerInfo::CADINFOTYPE type) {
    for (CCADLayerInfo* info : CADLayers())
        if (info->Type == type) return info;
    return nullptr;
}

int CFigureLayer::GetCADInfoArray(CCADLayerInfo::CADINFOTYPE type,
                                  CArray<CCADLayerInfo*, CCADLayerInfo*>& out) {
    out.RemoveAll();
    for (CCADLayerInfo* info : CADLayers())
        if (info->Type == type) out.Add(info);
    return out.GetSize() > 0 ? 1 : 0;
}

int CFigureLayer::DeleteCADInfoArray(long type, int index) {
    COwningSet<CCADLayerInfo>& mine = CADLayers();
    if (index == -1) {
        for (int i = mine.GetSize() - 1; i >= 0; --i)
            if (mine[i]->Type == type) mine.DeleteAt(i);
        return 0;
    }
    int seen = 0;
    for (int i = 0; i < mine.GetSize(); ++i) {
        if (mine[i]->Type != type) continue;
        if (seen++ == index) {
            mine.DeleteAt(i);
            return 1;
        }
    }
    return 0;
}

void CFigureLayer::ReadKidFromFields(FieldsPtr& fields, _variant_t& scratch) {
    CCADLayerInfo info;
    info.SetDBClassAccess(RefDBClassAccess());
    info.ReadFromFields(fields, scratch);
    AddCADLayerInfo(info);
}

void CFigureLayer::WriteKidToFields(FieldsPtr& fields, int index) {
    CADLayers()[index]->WriteToFields(fields);
}

namespace {

// Replaces the CAD layer rows of `parseId` by the CAD layers of `fl`, all or nothing.
long ReplaceCADLayers(CRecordAccess& db, long parseId, CFigureLayer& fl) {
    return db.ReplaceAllWith(
        FormatSql("DELETE FROM GH_FigureLayer WHERE (ParseID = %d)", parseId),
        FormatSql("SELECT * FROM GH_FigureLayer WHERE (ParseID = %d)", parseId),
        fl.GetCADInfoSize(), [&](int i) -> CDBBaseClass& { return fl.GetCADLayerInfo(i); });
}

}  // namespace

long CBaseClassAccess::GetFigureLayer(long parseId, CArray<CCADLayerInfo*, CCADLayerInfo*>& out) {
    return db_.ReadAllAsNew(
        FormatSql(
            "SELECT * FROM GH_FigureLayer WHERE (ParseID = %d) ORDER BY Type, Sequence , LayerName",
            parseId),
        out, 1);
}

long CBaseClassAccess::GetAllFigureLayer(CArray<CCADLayerInfo*, CCADLayerInfo*>& out) {
    return db_.ReadAllAsNew("SELECT * FROM GH_FigureLayer ORDER BY Type, Sequence , LayerName", out,
                            1);
}

long CBaseClassAccess::GetFigureLayer(CFigureLayer& fl) {
    if (db_.ReadOneRecordInfo(FormatSql(kIndexOfParseId, fl.ParseID), &fl) != 2) return -1;
    fl.ClearCADInfoArray();
    return db_.ReadAllAsNew(
        FormatSql(
            "SELECT * FROM GH_FigureLayer WHERE (ParseID = %d) ORDER BY Type, Sequence, LayerName",
            fl.ParseID),
        fl.CADLayers(), 1);
}

long CBaseClassAccess::AddFigureLayer(CFigureLayer& fl) {
    if (fl.GetCADInfoSize() == 0) return -1;
    return db_.RunAllOrNothing([&]() -> long {
        if (db_.AddNewOneRecordInfo("SELECT * FROM GH_FigureLayerIndex WHERE (1 = -1)", &fl) != 2)
            return -1;
        return db_.EditMultiRecordInfo("SELECT * FROM GH_FigureLayer WHERE (1 = -1)", &fl);
    });
}

long CBaseClassAccess::EditFigureLayer(CFigureLayer& fl, int editIndex) {
    if (fl.GetCADInfoSize() == 0) return -1;
    return db_.RunAllOrNothing([&]() -> long {
        if (editIndex != 0 &&
            db_.EditOneRecordInfo(FormatSql(kIndexOfParseId, fl.ParseID), &fl) != 2)
            return -1;
        return ReplaceCADLayers(db_, fl.ParseID, fl);
    });
}

long CBaseClassAccess::EditFigureLayer_Local(long parseId, CFigureLayer& fl) {
    if (fl.GetCADInfoSize() == 0) return -1;
    return ReplaceCADLayers(db_, parseId, fl);
}

long CBaseClassAccess::DeleteFigureLayer(long parseId) {
    return db_.RunCascade(
        CRecordAccess::CascadeStatus::LastStep,
        {FormatSql("Delete FROM GH_FigureLayerIndex WHERE (ParseID = %d)", parseId),
         FormatSql("Delete FROM GH_FigureLayer WHERE (ParseID = %d)", parseId)});
}

long CBaseClassAccess::DeleteFigureLayerEx(long parseId) {
    // The figure layer goes only while an extension still names it, so its rows are removed
    // before the extensions that name it.
    return db_.RunCascade(
        CRecordAccess::CascadeStatus::LastStep,
        {FormatSql("Delete  FROM GH_FigureLayerIndex where GH_FigureLayerIndex.ParseID in "
                   "(select LayerParseID from GH_LayerEx) AND GH_FigureLayerIndex.ParseID = %d",
                   parseId),
         FormatSql("Delete FROM GH_FigureLayer where GH_FigureLayer.ParseID in (select "
                   "LayerParseID from GH_LayerEx) AND GH_FigureLayer.ParseID = %d",
                   parseId),
         FormatSql("Delete FROM GH_LayerEx where GH_LayerEx.LayerParseID = %d", parseId)});
}

long CBaseClassAccess::ExistingFigureLayer(long parseId, int& exists) {
    return db_.CheckRecordInfoEmpty(FormatSql(kIndexOfParseId, parseId), exists);
}

}  // namespace ghdb
