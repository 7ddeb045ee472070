#include "catalogue/FigureLayer.h"

#include <string>
#include <unordered_set>

#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

const ColumnTable<CFigureLayer>& Columns() {
    static const ColumnTable<CFigureLayer> columns = {
        {"ParseID", &CFigureLayer::ParseID},
        {"Name", &CFigureLayer::Name},
    };
    return columns;
}

constexpr const char* kIndexOfParseId = "SELECT * FROM GH_FigureLayerIndex WHERE (ParseID = %d)";

}  // namespace

CFigureLayer::CFigureLayer(const CFigureLayer& other)
    : CMultiDBBaseClass(other), ParseID(other.ParseID), Name(other.Name) {
    for (int i = 0; i < other.cadLayers_.GetSize(); ++i) AddCADLayerInfo(*other.cadLayers_[i]);
}

CFigureLayer& CFigureLayer::operator=(const CFigureLayer& other) {
    if (&other == this) return *this;
    ParseID = other.ParseID;
    Name = other.Name;
    ClearCADInfoArray();
    for (int i = 0; i < other.cadLayers_.GetSize(); ++i) AddCADLayerInfo(*other.cadLayers_[i]);
    CMultiDBBaseClass::operator=(other);
    return *this;
}

CFigureLayer& CFigureLayer::operator-=(const CFigureLayer& other) {
    std::unordered_set<std::string> names;
    for (int i = 0; i < other.cadLayers_.GetSize(); ++i)
        names.insert(other.cadLayers_[i]->LayerName.str());
    CArray<CCADLayerInfo*, CCADLayerInfo*> kept;
    for (int i = 0; i < cadLayers_.GetSize(); ++i) {
        if (names.count(cadLayers_[i]->LayerName.str()))
            delete cadLayers_[i];
        else
            kept.Add(cadLayers_[i]);
    }
    cadLayers_.Copy(kept);
    return *this;
}

CFigureLayer::~CFigureLayer() {
    ClearCADInfoArray();
}

void CFigureLayer::AddCADLayerInfo(const CCADLayerInfo& info) {
    cadLayers_.Add(new CCADLayerInfo(info));
}

void CFigureLayer::ClearCADInfoArray() {
    for (int i = 0; i < cadLayers_.GetSize(); ++i) delete cadLayers_[i];
    cadLayers_.RemoveAll();
}

CCADLayerInfo* CFigureLayer::GetTypedLayerInfo(CCADLayerInfo::CADINFOTYPE type) {
    for (int i = 0; i < cadLayers_.GetSize(); ++i)
        if (cadLayers_[i]->Type == type) return cadLayers_[i];
    return nullptr;
}

int CFigureLayer::GetCADInfoArray(CCADLayerInfo::CADINFOTYPE type,
                                  CArray<CCADLayerInfo*, CCADLayerInfo*>& out) {
    out.RemoveAll();
    for (int i = 0; i < cadLayers_.GetSize(); ++i)
        if (cadLayers_[i]->Type == type) out.Add(cadLayers_[i]);
    return out.GetSize() > 0 ? 1 : 0;
}

int CFigureLayer::DeleteCADInfoArray(long type, int index) {
    if (index == -1) {
        CArray<CCADLayerInfo*, CCADLayerInfo*> kept;
        for (int i = 0; i < cadLayers_.GetSize(); ++i) {
            if (cadLayers_[i]->Type == type)
                delete cadLayers_[i];
            else
                kept.Add(cadLayers_[i]);
        }
        cadLayers_.Copy(kept);
        return 0;
    }
    int seen = 0;
    for (int i = 0; i < cadLayers_.GetSize(); ++i) {
        if (cadLayers_[i]->Type != type) continue;
        if (seen++ == index) {
            delete cadLayers_[i];
            cadLayers_.RemoveAt(i);
            return 1;
        }
    }
    return 0;
}

void CFigureLayer::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, Columns(), *this);
}

void CFigureLayer::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, Columns(), *this);
}

void CFigureLayer::ReadKidFromFields(FieldsPtr& fields, _variant_t& scratch) {
    auto* info = new CCADLayerInfo;
    cadLayers_.Add(info);
    info->SetDBClassAccess(RefDBClassAccess());
    info->ReadFromFields(fields, scratch);
}

void CFigureLayer::WriteKidToFields(FieldsPtr& fields, int index) {
    cadLayers_[index]->WriteToFields(fields);
}

namespace {

// Replaces the CAD layer rows of `parseId` by the CAD layers of `fl`, all or nothing.
long ReplaceCADLayers(CRecordAccess& db, long parseId, CFigureLayer& fl) {
    return db.ReplaceAllWith(
        FormatString("DELETE FROM GH_FigureLayer WHERE (ParseID = %d)", parseId),
        FormatString("SELECT * FROM GH_FigureLayer WHERE (ParseID = %d)", parseId),
        fl.GetCADInfoSize(), [&](int i) -> CDBBaseClass& { return fl.GetCADLayerInfo(i); });
}

}  // namespace

long CBaseClassAccess::GetFigureLayer(long parseId, CArray<CCADLayerInfo*, CCADLayerInfo*>& out) {
    return db_.ReadAllAsNew(
        FormatString(
            "SELECT * FROM GH_FigureLayer WHERE (ParseID = %d) ORDER BY Type, Sequence , LayerName",
            parseId),
        out, 1);
}

long CBaseClassAccess::GetAllFigureLayer(CArray<CCADLayerInfo*, CCADLayerInfo*>& out) {
    return db_.ReadAllAsNew("SELECT * FROM GH_FigureLayer ORDER BY Type, Sequence , LayerName", out,
                            1);
}

long CBaseClassAccess::GetFigureLayer(CFigureLayer& fl) {
    if (db_.ReadOneRecordInfo(FormatString(kIndexOfParseId, fl.ParseID), &fl) != 2) return -1;
    fl.ClearCADInfoArray();
    return db_.ReadAllAsNew(
        FormatString(
            "SELECT * FROM GH_FigureLayer WHERE (ParseID = %d) ORDER BY Type, Sequence, LayerName",
            fl.ParseID),
        fl.cadLayers_, 1);
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
            db_.EditOneRecordInfo(FormatString(kIndexOfParseId, fl.ParseID), &fl) != 2)
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
        {FormatString("Delete FROM GH_FigureLayerIndex WHERE (ParseID = %d)", parseId),
         FormatString("Delete FROM GH_FigureLayer WHERE (ParseID = %d)", parseId)});
}

long CBaseClassAccess::DeleteFigureLayerEx(long parseId) {
    // The figure layer goes only while an extension still names it, so its rows are removed
    // before the extensions that name it.
    return db_.RunCascade(
        CRecordAccess::CascadeStatus::LastStep,
        {FormatString("Delete  FROM GH_FigureLayerIndex where GH_FigureLayerIndex.ParseID in "
                      "(select LayerParseID from GH_LayerEx) AND GH_FigureLayerIndex.ParseID = %d",
                      parseId),
         FormatString("Delete FROM GH_FigureLayer where GH_FigureLayer.ParseID in (select "
                      "LayerParseID from GH_LayerEx) AND GH_FigureLayer.ParseID = %d",
                      parseId),
         FormatString("Delete FROM GH_LayerEx where GH_LayerEx.LayerParseID = %d", parseId)});
}

long CBaseClassAccess::ExistingFigureLayer(long parseId, int& exists) {
    return db_.CheckRecordInfoEmpty(FormatString(kIndexOfParseId, parseId), exists);
}

}  // namespace ghdb
