#include "config/FunTypeDef.h"

#include <array>

#include "catalogue/Layer.h"
#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CGHGisFun>& CGHGisFun::Columns() {
    static const ColumnTable<CGHGisFun> columns = {
        {"FunID", &CGHGisFun::FunID},
        {"LayerID", &CGHGisFun::LayerID},
    };
    return columns;
}

CGHGisFun& CGHGisFun::operator=(const CGHGisFun& other) {
    FunID = other.FunID;
    LayerID = other.LayerID;
    return *this;
}

const ColumnTable<CGHFunTypeDef>& CGHFunTypeDef::Columns() {
    static const ColumnTable<CGHFunTypeDef> columns = {
        {"FUNID", &CGHFunTypeDef::FUNID},
        {"Name", &CGHFunTypeDef::Name},
        {"FuncKey", &CGHFunTypeDef::FuncKey},
        {"CommandName", &CGHFunTypeDef::CommandName},
        {"ArxName", &CGHFunTypeDef::ArxName},
        {"SysName", &CGHFunTypeDef::SysName},
        {"Type", &CGHFunTypeDef::Type},
        {"Sequence", &CGHFunTypeDef::Sequence},
        {"IsMultiLayer", &CGHFunTypeDef::IsMultiLayer},
        {"GISLayerType", &CGHFunTypeDef::GISLayerType},
    };
    return columns;
}

CGHFunTypeDef::CGHFunTypeDef(long funId, CString name, CString funcKey, CString commandName,
                             CString arxName, CString sysName, long type, long sequence) {
    Init(funId, std::move(name), std::move(funcKey), std::move(commandName), std::move(arxName),
         std::move(sysName), type, sequence);
}

CGHFunTypeDef::CGHFunTypeDef(const CGHFunTypeDef& other) : CTableRecord() {
    CopyColumns(other);
}

CGHFunTypeDef& CGHFunTypeDef::operator=(const CGHFunTypeDef& other) {
    if (&other == this) return *this;
    CopyColumns(other);
    GisFunArr.RemoveAll();
    return *this;
}

void CGHFunTypeDef::CopyColumns(const CGHFunTypeDef& other) {
    Init(other.FUNID, other.Name, other.FuncKey, other.CommandName, other.ArxName, other.SysName,
         other.Type, other.Sequence);
    GISLayerType = other.GISLayerType;
    IsMultiLayer = other.IsMultiLayer;
}

void CGHFunTypeDef::Init(long funId, CString name, CString funcKey, CString commandName,
                         CString arxName, CString sysName, long type, long sequence) {
    FUNID = funId;
    Name = std::move(name);
    FuncKey = std::move(funcKey);
    CommandName = std::move(commandName);
    ArxName = std::move(arxName);
    SysName = std::move(sysName);
    Type = type;
    Sequence = sequence;
}

void CGHFunTypeDef::Add(const CGHGisFun& fun) {
    for (int i = 0; i < GisFunArr.GetSize(); ++i)
        if (GisFunArr[i] == fun) return;
    GisFunArr.Add(fun);
}

CString CGHFunTypeDef::GetNameOfSpecialty(int specialty) {
    static constexpr std::array<const char*, 4> kNames = {"通用", "用地", "道路", "管线"};
    if (specialty < 0 || specialty >= static_cast<int>(kNames.size())) return "其它";
    return kNames[static_cast<std::size_t>(specialty)];
}

void CGHFunTypeDef::ReadFromFields(FieldsPtr& fields, _variant_t& scratch) {
    GISLayerType = -1;
    CTableRecord::ReadFromFields(fields, scratch);
}

long CBaseClassAccess::GetAllFunTypeDef(CArray<CGHFunTypeDef*, CGHFunTypeDef*>& funs) {
    return db_.ReadAllAsNew("SELECT * FROM GHSJ_GHFunTypeDef order by FUNID", funs, 1);
}

long CBaseClassAccess::GetGisLayerFun(long layerId, CArray<CGHFunTypeDef*, CGHFunTypeDef*>& funs) {
    return db_.ReadAllAsNew(FormatSql("SELECT * FROM GHSJ_GHFunTypeDef  where funid in (select "
                                      "funid from GHGIS_FunLayerConfig where LayerID =%d)",
                                      layerId),
                            funs, 1);
}

long CBaseClassAccess::GetGisLayerFun(long layerId, CArray<CGHGisFun, CGHGisFun>& links) {
    CGHGisFun working;
    return db_.ReadAllAsValues(
        FormatSql("SELECT * FROM GHGIS_FunLayerConfig WHERE LayerID =%d ", layerId), working,
        links);
}

long CBaseClassAccess::SetGisLayerFun(long layerId, CArray<CGHGisFun, CGHGisFun>& links) {
    for (int i = 0; i < links.GetSize(); ++i) links[i].LayerID = layerId;
    return db_.ReplaceAll(FormatSql("Delete FROM GHGIS_FunLayerConfig WHERE LayerID= %d ", layerId),
                          FormatSql("SELECT * FROM GHGIS_FunLayerConfig WHERE LayerID=%d", layerId),
                          links);
}

long CBaseClassAccess::GetFunGisLayer(long funId, CArray<CGHGisFun, CGHGisFun>& links) {
    CGHGisFun working;
    return db_.ReadAllAsValues(
        FormatSql("SELECT * FROM GHGIS_FunLayerConfig WHERE FunID=%d", funId), working, links);
}

long CBaseClassAccess::SetFunGisLayer(long funId, CArray<CGHGisFun, CGHGisFun>& links) {
    // The elements keep their own function ids.
    return db_.ReplaceAll(FormatSql("Delete FROM GHGIS_FunLayerConfig WHERE FunID=%d", funId),
                          FormatSql("SELECT * FROM GHGIS_FunLayerConfig WHERE FunID=%d", funId),
                          links);
}

long CBaseClassAccess::GetGISLayerByFunID(long funId, CArray<CGISLayer*, CGISLayer*>& layers) {
    return ReadLayers(FormatSql("SELECT * FROM GHGIS_Layer WHERE LayerID in\t\t\t( SELECT LayerID "
                                "FROM GHGIS_FunLayerConfig Where FunID = %d ) ",
                                funId),
                      layers);
}

long CBaseClassAccess::DelFunLayerByLayerID(long layerId) {
    return db_.ExecuteSilently(
        FormatSql("delete FROM GHGIS_FunLayerConfig WHERE LayerID=%d", layerId));
}

}  // namespace ghdb
