#include "catalogue/FieldInfo.h"

#include "catalogue/PageInfo.h"
#include "frame/BaseClassAccess.h"
#include "frame/ObjectArrays.h"
#include "frame/Statement.h"

namespace ghdb {

namespace {

struct FieldType {
    long code;
    const char* desc;
    DataTypeEnum adoType;
};
constexpr FieldType kFieldTypes[] = {
    {1, "短整型", adInteger},
    {2, "长整型", adInteger},
    {3, "单精度浮点型", adSingle},
    {4, "双精度浮点型", adDouble},
    {5, "文本型", adVarWChar},
    {6, "长二进制型", adBinary},
    {7, "日期型", adDate},
    {8, "实体型", adBinary},
    {9, "栅格型", adError},
    {10, "XML文档类型", adVarWChar},
    {11, "8字节整数", adBigInt},
    {12, "唯一值型", adBigInt},
    {13, "长字符类型", adVarWChar},
    {14, "文本型(UNICODE)", adVarWChar},
    {15, "长文本型(UNICODE)", adVarWChar},
};
constexpr const char* kUnknownType = "未知类型";

struct FieldUnit {
    long code;
    const char* desc;
};
constexpr FieldUnit kFieldUnits[] = {
    {1, "长度千米"}, {2, "长度米"}, {3, "面积公顷"}, {4, "面积平方米"}, {5, "面积平方公里"},
};
constexpr const char* kNoUnit = "  ";

constexpr const char* kReservedFields[] = {"OBJECTID", "PrjCreateName", "PrjCreateID", "AddType",
                                           "BeginDate"};

constexpr const char* kUpdateDBEnumTypes[] = {
    "  ",       "地块(管线，站点)编码",
    "用地性质", "管线直径",
    "管沟直径", "管沟埋深",
    "图幅号",   "项目标志",
    "文字内容", "图块名称",
    "固定项",   "附件字段",
    "自定义",
};
constexpr const char* kAllEnumTypes[] = {
    "  ",
    "地块(管线，站点)编码",
    "用地性质",
    "兼容用地性质",
    "地块面积",
    "建筑密度",
    "绿地率",
    "现状高度",
    "人口密度",
    "容积率",
    "管线直径",
    "管沟直径",
    "管沟埋深",
    "备用字段",
    "工程名称",
    "设计阶段",
    "容量等级",
    "地物名称",
    "地物的第二高程",
    "图幅号",
    "质心坐标X",
    "质心坐标Y",
    "项目标志",
    "创建日期",
    "影响类型",
    "结束日期",
    "文字内容",
    "图块名称",
    "固定项",
    "附件字段",
    "自定义",
};

// The system fields a layer can be given, matched by name without case.
struct SystemField {
    const char* name;
    const char* alias;
    long dataType;
    long length;
    long enumType;
    bool writable;
    bool nullable;
};
constexpr SystemField kSystemFields[] = {
    {"OBJECTID", "OBJECTID", 2, 10, -1, false, false},
    {"SHAPE", "SHAPE", 8, 0, -1, true, true},
    {"RoadRecord", "道路扩展记录", 6, 0, 108, true, true},
    {"GEOParam", "几何数据字段", 6, 0, 19, true, true},
    {"PRJCREATEID", "项目编号", 2, 10, 55, true, true},
    {"BEGINDATE", "入库时间", 7, 0, 56, true, true},
};

// Every column but the unit and the default value, which are handled by hand.
// Numbers the fields 0, 1, 2 ... in array order under the layer, and replaces the layer's
// stored fields by them, all or nothing. `done` is the success status.
template <class Fields>
long ReplaceLayerFields(CRecordAccess& db, long layerId, Fields& fields, long done) {
    for (int i = 0; i < fields.GetSize(); ++i) {
        CGISFieldInfo& field = RecordAt(fields, i);
        field.LayerID = layerId;
        field.Sequence = i;
    }
    return db.ReplaceAll(FormatSql("DELETE FROM GH_FieldInfo WHERE (LayerID = %d)", layerId),
                         FormatSql("SELECT * FROM GH_FieldInfo WHERE (LayerID = %d)", layerId),
                         fields, done);
}

}  // namespace

const ColumnTable<CGISFieldInfo>& CGISFieldInfo::Columns() {
    static const ColumnTable<CGISFieldInfo> columns = {
        {"IsWritable", &CGISFieldInfo::IsWritable},
        {"IsNullable", &CGISFieldInfo::IsNullable},
        {"LayerID", &CGISFieldInfo::LayerID},
        // Written, never read back.
        {"OutXDataIndex", &CGISFieldInfo::OutXDataIndex, ColumnRole::WriteOnly},
        {"DataType", &CGISFieldInfo::DataType},
        {"EnumType", &CGISFieldInfo::EnumType},
        {"Length", &CGISFieldInfo::Length},
        {"Precise", &CGISFieldInfo::Precise},
        {"Sequence", &CGISFieldInfo::Sequence},
        {"FieldName", &CGISFieldInfo::FieldName},
        {"FieldAlias", &CGISFieldInfo::FieldAlias},
        {"DefaultValue", &CGISFieldInfo::DefaultValue},
        {"PageNum", &CGISFieldInfo::PageNum},
        {"StatusInfo", &CGISFieldInfo::StatusInfo},
        {"PropCtrlType", &CGISFieldInfo::PropCtrlType},
    };
    return columns;
}

CGISFieldInfo::OwnedPageInfo::OwnedPageInfo() noexcept = default;
CGISFieldInfo::OwnedPageInfo::~OwnedPageInfo() = default;

CGISFieldInfo::OwnedPageInfo::OwnedPageInfo(const OwnedPageInfo& other)
    : info(other.info ? std::make_unique<CGHPageInfo>(*other.info) : nullptr) {}

CGISFieldInfo::OwnedPageInfo& CGISFieldInfo::OwnedPageInfo::operator=(const OwnedPageInfo& other) {
    if (this != &other) info = other.info ? std::make_unique<CGHPageInfo>(*other.info) : nullptr;
    return *this;
}

CString CGISFieldInfo::FieldTypeDesc() const {
    for (const FieldType& type : kFieldTypes)
        if (type.code == DataType) return type.desc;
    return kUnknownType;
}

CString CGISFieldInfo::FieldUnitDesc() const {
    for (const FieldUnit& unit : kFieldUnits)
        if (unit.code == EnumUnitType) return unit.desc;
    return kNoUnit;
}

void CGISFieldInfo::SetFieldTypeByString(CString desc) {
    DataType = -1;
    for (const FieldType& type : kFieldTypes)
        if (desc == type.desc) DataType = type.code;
}

void CGISFieldInfo::SetFieldUnitByString(CString desc) {
    EnumUnitType = -1;
    for (const FieldUnit& unit : kFieldUnits)
        if (desc == unit.desc) EnumUnitType = unit.code;
}

CString CGISFieldInfo::DefValueDesc() const {
    if (DefaultValue.IsEmptyOrNull()) return CString();
    return CString(VariantToText(DefaultValue).value_or(std::string()));
}

void CGISFieldInfo::SetDefValueString(CString value) {
    DefaultValue = _variant_t(value.str());
}

CGHPageInfo* CGISFieldInfo::GetPageInfo() {
    if (pageInfo_.info) return pageInfo_.info.get();
    CBaseClassAccess* access = RefDBClassAccess();
    if (!access) return nullptr;
    auto info = std::make_unique<CGHPageInfo>();
    if (access->GetFieldPageInfo(PageNum, LayerID, *info) != 2) return nullptr;
    pageInfo_.info = std::move(info);
    return pageInfo_.info.get();
}

DataTypeEnum CGISFieldInfo::FieldType2ADOType(long dataType) {
    for (const FieldType& type : kFieldTypes)
        if (type.code == dataType) return type.adoType;
    return adError;
}

int CGISFieldInfo::IsReservedField(CString name) {
    for (const char* reserved : kReservedFields)
        if (name.CompareNoCase(reserved) == 0) return 1;
    return 0;
}

void CGISFieldInfo::GetAllFieldTypeDesc(CStringArray& out) {
    for (const FieldType& type : kFieldTypes) out.Add(type.desc);
    out.Add(kUnknownType);
}

void CGISFieldInfo::GetAllFieldUnitDesc(CStringArray& out) {
    out.Add(kNoUnit);
    for (const FieldUnit& unit : kFieldUnits) out.Add(unit.desc);
}

void CGISFieldInfo::GetUpdateDBEnumTypeDesc(CStringArray& out) {
    for (const char* desc : kUpdateDBEnumTypes) out.Add(desc);
}

void CGISFieldInfo::GetAllEnumTypeDesc(CStringArray& out) {
    for (const char* desc : kAllEnumTypes) out.Add(desc);
}

void CGISFieldInfo::ReadFromFields(FieldsPtr& fields, _variant_t& scratch) {
    CTableRecord::ReadFromFields(fields, scratch);
    // Only the units 1 to 5 are stored; otherwise the unit follows from the enumeration kind.
    short unit = 0;
    ReadColumn(fields, "EnumUnitType", unit);
    if (unit >= 1 && unit <= 5)
        EnumUnitType = unit;
    else
        EnumUnitType = EnumType == 3 ? 3 : EnumType == 15 ? 2 : -1;
}

void CGISFieldInfo::WriteToFields(FieldsPtr& fields) {
    CTableRecord::WriteToFields(fields);
    // Only the low two bytes of the unit are kept.
    WriteColumn(fields, "EnumUnitType",
                static_cast<short>(static_cast<unsigned short>(EnumUnitType & 0xFFFF)));
}

long CBaseClassAccess::GetLayerFieldInfo(long layerId,
                                         CArray<CGISFieldInfo*, CGISFieldInfo*>& out) {
    const int before = out.GetSize();
    const long status = db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GH_FieldInfo WHERE (LayerID = %d) ORDER BY Sequence", layerId),
        out, 1);
    if (status != 2) return status;
    return out.GetSize() > before ? 2 : 1;
}

long CBaseClassAccess::AddLayerFieldInfo(long, CGISFieldInfo& fld) {
    return db_.AddNewOneRecordInfo("SELECT * FROM GH_FieldInfo WHERE (1 = -1)", &fld);
}

long CBaseClassAccess::EditLayerFieldInfo(long, CGISFieldInfo& fld) {
    // The row of the field itself, identified as the field deletes identify it.
    return db_.EditOneRecordInfo(
        FormatSql("SELECT * FROM GH_FieldInfo WHERE (LayerID = %d) AND (Sequence = %d)",
                  fld.LayerID, fld.Sequence),
        &fld);
}

long CBaseClassAccess::DeleteLayerFieldInfo(long layerId, long sequence) {
    return db_.ExecuteSilently(FormatSql(
        "delete FROM GH_FieldInfo WHERE (LayerID = %d) AND (Sequence = %d)", layerId, sequence));
}

long CBaseClassAccess::DeleteAllLayerFieldInfo(long layerId) {
    return db_.ExecuteSilently(FormatSql("Delete FROM GH_FieldInfo WHERE (LayerID = %d)", layerId));
}

long CBaseClassAccess::UpdateLayerFieldInfo(long layerId,
                                            CArray<CGISFieldInfo*, CGISFieldInfo*>& fields) {
    return ReplaceLayerFields(db_, layerId, fields, 1);
}

long CBaseClassAccess::UpdateLayerFieldInfo(long layerId,
                                            CArray<CGISFieldInfo, CGISFieldInfo&>& fields) {
    return ReplaceLayerFields(db_, layerId, fields, 2);
}

void CBaseClassAccess::MakeSomeFieldInfo(long layerId, CString name, long sequence,
                                         CGISFieldInfo& fld) {
    if (name.IsEmpty()) return;
    fld.LayerID = layerId;
    fld.Sequence = sequence;
    for (const SystemField& system : kSystemFields) {
        if (name.CompareNoCase(system.name) != 0) continue;
        fld.FieldName = name;
        fld.FieldAlias = system.alias;
        fld.DataType = system.dataType;
        fld.Length = system.length;
        fld.EnumType = system.enumType;
        fld.IsWritable = system.writable;
        fld.IsNullable = system.nullable;
        break;
    }
    fld.StatusInfo = 6;
    fld.Precise = 0;
    fld.EnumUnitType = -1;
    fld.PageNum = -1;
}

long CBaseClassAccess::AddLayerSpecialFieldInfo(long layerId,
                                                CArray<CGISFieldInfo*, CGISFieldInfo*>* existing,
                                                CString name, long sequence) {
    if (IsExistOneField(existing, name)) return 0;
    CGISFieldInfo fld;
    MakeSomeFieldInfo(layerId, name, sequence, fld);
    return AddLayerFieldInfo(layerId, fld);
}

bool CBaseClassAccess::IsExistOneField(CArray<CGISFieldInfo*, CGISFieldInfo*>* fields,
                                       CString name) {
    if (!fields) return false;
    for (const CGISFieldInfo* field : *fields)
        if (field && field->FieldName.CompareNoCase(name) == 0) return true;
    return false;
}

}  // namespace ghdb
