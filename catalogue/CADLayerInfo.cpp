#include "catalogue/CADLayerInfo.h"

#include <limits>

#include "frame/Columns.h"

namespace ghdb {

namespace {

// Every column but the three 2-byte integers, which are held as longs.
const ColumnTable<CCADLayerInfo>& Columns() {
    static const ColumnTable<CCADLayerInfo> columns = {
        {"StandardValue", &CCADLayerInfo::StandardValue},
        {"LayerName", &CCADLayerInfo::LayerName},
        {"LayerAlias", &CCADLayerInfo::LayerAlias},
        {"LineName", &CCADLayerInfo::LineName},
        {"FontName", &CCADLayerInfo::FontName},
        {"BlockName", &CCADLayerInfo::BlockName},
        {"ParseID", &CCADLayerInfo::ParseID},
        {"Type", &CCADLayerInfo::Type},
        {"LayerColor", &CCADLayerInfo::LayerColor},
        {"LineWidth", &CCADLayerInfo::LineWidth},
        {"LineScale", &CCADLayerInfo::LineScale},
        {"FontHeight", &CCADLayerInfo::FontHeight},
        {"BlockDirection", &CCADLayerInfo::BlockDirection},
        {"BlockScaleX", &CCADLayerInfo::BlockScaleX},
        {"BlockScaleY", &CCADLayerInfo::BlockScaleY},
        {"BlockScaleZ", &CCADLayerInfo::BlockScaleZ},
        {"TCHatchName", &CCADLayerInfo::TCHatchName},
        {"ClassInfo", &CCADLayerInfo::ClassInfo},
        {"PatternName", &CCADLayerInfo::PatternName},
        {"PatternScale", &CCADLayerInfo::PatternScale},
        {"PatternAngle", &CCADLayerInfo::PatternAngle},
        {"LayerRGBColor", &CCADLayerInfo::LayerRGBColor},
    };
    return columns;
}

struct SmallColumn {
    const char* name;
    long CCADLayerInfo::*member;
};
constexpr SmallColumn kSmallColumns[] = {
    {"GISInnerID", &CCADLayerInfo::GISInnerID},
    {"ParentInnerID", &CCADLayerInfo::ParentInnerID},
    {"Sequence", &CCADLayerInfo::Sequence},
};

void ReadSmallInt(FieldsPtr& fields, const char* name, long& member) noexcept {
    short value = 0;
    bool read = false;
    try {
        Field* field = fields->Find(name);
        if (!field || field->GetValue().IsEmptyOrNull()) return;
        read = detail::Convert(field->GetValue(), value);
    } catch (...) {
    }
    if (read) member = value;
}

// A value that does not fit in two bytes fails its column alone instead of being stored cut.
void WriteSmallInt(FieldsPtr& fields, const char* name, long member) noexcept {
    if (member < std::numeric_limits<short>::min() || member > std::numeric_limits<short>::max())
        return;
    WriteColumn(fields, name, static_cast<short>(member));
}

}  // namespace

void CCADLayerInfo::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, Columns(), *this);
    for (const SmallColumn& column : kSmallColumns)
        ReadSmallInt(fields, column.name, this->*column.member);
}

void CCADLayerInfo::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, Columns(), *this);
    for (const SmallColumn& column : kSmallColumns)
        WriteSmallInt(fields, column.name, this->*column.member);
}

}  // namespace ghdb
