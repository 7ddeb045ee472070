#include "catalogue/SpacialDBInfo.h"

#include <array>
#include <cctype>

#include "catalogue/CatalogueCache.h"
#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CSpacialDBInfo>& CSpacialDBInfo::Columns() {
    static const ColumnTable<CSpacialDBInfo> columns = {
        {"DBID", &CSpacialDBInfo::DBID, ColumnRole::Identity},
        {"DBAlias", &CSpacialDBInfo::DBAlias},
        {"ConnectionString", &CSpacialDBInfo::ConnectionString},
        {"ConvertArcWebService", &CSpacialDBInfo::ConvertArcWebService},
    };
    return columns;
}

namespace {

constexpr const char* kNullParam = "__NULL__";
// The labels of the packed parameters, in slot order; each is followed by its value.
constexpr std::array<const char*, 6> kParamLabels = {
    "Server=", "DBName=", "UID=", "PWD=", "DBType=", "Port="};
// Any byte but zero: a byte equal to the key is left alone, so none becomes zero.
constexpr char kScrambleKey = 0x5A;

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads the packed text the way the layout scans it: before each label any white space, the
// label itself, then one token up to the next white space. Values have no length limit. The
// slots after the first one that does not match stay empty.
std::array<CString, 6> UnpackParams(const std::string& text) {
    std::array<CString, 6> values;
    std::size_t at = 0;
    for (std::size_t slot = 0; slot < kParamLabels.size(); ++slot) {
        while (at < text.size() && IsBlank(text[at])) ++at;
        const std::string_view label = kParamLabels[slot];
        if (text.compare(at, label.size(), label) != 0) break;
        at += label.size();
        while (at < text.size() && IsBlank(text[at])) ++at;
        const std::size_t begin = at;
        while (at < text.size() && !IsBlank(text[at])) ++at;
        if (at == begin) break;
        values[slot] = CString(text.substr(begin, at - begin));
    }
    return values;
}

}  // namespace

void CSpacialDBInfo::SetConnectParam(CString& server, CString& dbName, CString& uid, CString& pwd,
                                     CString& dbType, CString& port) {
    for (CString* param : {&server, &dbName, &uid, &pwd, &dbType, &port})
        if (param->IsEmpty()) *param = kNullParam;
    ConnectionString.Format("Server=%s DBName=%s UID=%s PWD=%s DBType=%s Port=%s", server, dbName,
                            uid, pwd, dbType, port);
}

void CSpacialDBInfo::GetConnectParam(CString& server, CString& dbName, CString& uid, CString& pwd,
                                     CString& dbType, CString& port) const {
    std::array<CString, 6> values = UnpackParams(ConnectionString.str());
    CString* out[] = {&server, &dbName, &uid, &pwd, &dbType, &port};
    for (std::size_t i = 0; i < values.size(); ++i)
        *out[i] = values[i] == kNullParam ? CString() : values[i];
}

CString CSpacialDBInfo::SpacialDBDesc() const {
    CString server, dbName, uid, pwd, dbType, port;
    GetConnectParam(server, dbName, uid, pwd, dbType, port);
    return "服务器：" + server + "; 数据库：" + dbName + "; 类型：" + dbType + "; 端口" + port;
}

void CSpacialDBInfo::EncodeConnectString() {
    CString scrambled;
    for (int i = 0; i < ConnectionString.GetLength(); ++i) {
        const char c = ConnectionString[i];
        scrambled += c == kScrambleKey ? c : static_cast<char>(c ^ kScrambleKey);
    }
    ConnectionString = scrambled;
}

void CSpacialDBInfo::DecodeConnectString() {
    EncodeConnectString();
}

long CBaseClassAccess::GetSpacialDBInfo(CSpacialDBInfo& rec) {
    return db_.ReadOneRecordInfo(
        FormatSql("SELECT * FROM GHGIS_SpacialDBInfo WHERE (DBID = %d)", rec.DBID), &rec);
}

long CBaseClassAccess::GetSpacialDBInfo(long dbId, CSpacialDBInfo& rec) {
    rec.DBID = dbId;
    return GetSpacialDBInfo(rec);
}

CSpacialDBInfo* CBaseClassAccess::GetSpacialDBInfo(long dbId) {
    CCatalogueCache& cache = Catalogue();
    for (CSpacialDBInfo* cached : cache.spacialDBs)
        if (cached->DBID == dbId) return cached;
    if (cache.spacialDBMisses && cache.spacialDBMisses->count(dbId)) return nullptr;
    CSpacialDBInfo rec;
    if (GetSpacialDBInfo(dbId, rec) != 2) {
        if (cache.spacialDBMisses) cache.spacialDBMisses->insert(dbId);
        return nullptr;
    }
    // The cache belongs to this object: its records must not keep it alive.
    rec.SetDBClassAccess(nullptr);
    return cache.spacialDBs.AddNew(rec);
}

long CBaseClassAccess::GetAllSpacialDBInfo(CArray<CSpacialDBInfo*, CSpacialDBInfo*>& out) {
    return db_.ReadAllAsNew("SELECT * FROM GHGIS_SpacialDBInfo", out, 1);
}

long CBaseClassAccess::AddSpacialDBInfo(CSpacialDBInfo& rec) {
    return db_.AddNewOneRecordInfo("SELECT * FROM GHGIS_SpacialDBInfo WHERE (1 = 2)", &rec);
}

long CBaseClassAccess::EditSpacialDBInfo(CSpacialDBInfo& rec) {
    return db_.EditOneRecordInfo(
        FormatSql("SELECT * FROM GHGIS_SpacialDBInfo WHERE (DBID = %d)", rec.DBID), &rec);
}

long CBaseClassAccess::DeleteSpacialDBInfo(long dbId) {
    // Dependants first: what hangs on the database's layers (figure layers are found through
    // the layers' extensions, so they go before those), the layers, then the database row.
    static constexpr const char* kCascade[] = {
        "Delete FROM GH_FieldInfo WHERE GH_FieldInfo.LayerID IN (SELECT LayerID FROM "
        "GHGIS_Layer WHERE DBID = %d) ",
        "Delete FROM GH_FigureLayer WHERE GH_FigureLayer.ParseID IN (SELECT LayerParseID FROM "
        "GH_LayerEx WHERE LayerID IN (SELECT LayerID FROM GHGIS_Layer WHERE DBID = %d) ) ",
        "Delete FROM GH_FigureLayerIndex WHERE GH_FigureLayerIndex.ParseID IN (SELECT "
        "LayerParseID FROM GH_LayerEx WHERE LayerID IN (SELECT LayerID FROM GHGIS_Layer WHERE "
        "DBID = %d) ) ",
        "Delete FROM GHGIS_ApplyClass WHERE (GHGIS_ApplyClass.DataObjectType = 0) AND "
        "GHGIS_ApplyClass.DataObjectID IN (SELECT LayerID FROM GHGIS_Layer WHERE DBID = %d) ",
        "Delete FROM GHGIS_SubjectLayers WHERE GHGIS_SubjectLayers.LayerID IN (SELECT LayerID "
        "FROM GHGIS_Layer WHERE DBID = %d) ",
        "Delete FROM GH_VerifyUpdate WHERE GH_VerifyUpdate.LayerID IN (SELECT LayerID FROM "
        "GHGIS_Layer WHERE DBID = %d) ",
        "Delete FROM GH_LayerEx WHERE GH_LayerEx.LayerID IN (SELECT LayerID FROM GHGIS_Layer "
        "WHERE DBID = %d) ",
        "Delete FROM GHGIS_LayerGroupLayerRelation WHERE GHGIS_LayerGroupLayerRelation.LayerID "
        "IN (SELECT LayerID FROM GHGIS_Layer WHERE DBID = %d) ",
        "Delete FROM GHGIS_Layer WHERE (GHGIS_Layer.DBID = %d)",
        "Delete FROM GHGIS_SpacialDBInfo WHERE (DBID = %d)",
    };
    return db_.RunCascade(CRecordAccess::CascadeStatus::LastStep, [&](auto& cascade) {
        for (const char* statement : kCascade) cascade.Step(FormatSql(statement, dbId));
    });
}

}  // namespace ghdb
