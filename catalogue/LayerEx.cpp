#include "catalogue/LayerEx.h"

#include <array>

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CLayerEx>& CLayerEx::Columns() {
    static const ColumnTable<CLayerEx> columns = {
        {"LayerID", &CLayerEx::LayerID},
        {"LayerParseID", &CLayerEx::LayerParseID},
        {"DrawOrder", &CLayerEx::DrawOrder},
        {"GuideParamID", &CLayerEx::GuideParamID},
        {"CodeLayerID", &CLayerEx::CodeLayerID},
        {"CodeDigit", &CLayerEx::CodeDigit},
        {"DefCodeSeed", &CLayerEx::DefCodeSeed},
        {"DWGEntType", &CLayerEx::DWGEntType},
        {"DefCodePrefix", &CLayerEx::DefCodePrefix},
        {"CodePrefixField", &CLayerEx::CodePrefixField},
        {"CodeSeedField", &CLayerEx::CodeSeedField},
        {"DefCodeFixType", &CLayerEx::DefCodeFixType},
        {"StandardField", &CLayerEx::StandardField},
        {"LabelField", &CLayerEx::LabelField},
    };
    return columns;
}

namespace {

// Drawing entity kinds accepted by a new layer, by shape type (point, line, polygon, text);
// other shape types accept none.
constexpr std::array<const char*, 4> kEntTypesOfShape = {
    "000000010000000",
    "011110000100000",
    "001011000100000",
    "000000101000000",
};

constexpr const char* kSelectOfLayer = "SELECT * FROM GH_LayerEx WHERE (LayerID = %d)";

}  // namespace

CLayerEx::CLayerEx(long shapeType) {
    if (shapeType >= 0 && shapeType < static_cast<long>(kEntTypesOfShape.size()))
        DWGEntType = kEntTypesOfShape[static_cast<std::size_t>(shapeType)];
}

long CBaseClassAccess::GetGISLayerEx(CLayerEx& ex) {
    return db_.ReadOneRecordInfo(FormatSql(kSelectOfLayer, ex.LayerID), &ex);
}

long CBaseClassAccess::GetGISLayerEx(long layerId, CLayerEx& ex) {
    ex.LayerID = layerId;
    return GetGISLayerEx(ex);
}

long CBaseClassAccess::AddGISLayerEx(CLayerEx& ex) {
    return db_.AddNewOneRecordInfo("SELECT * FROM GH_LayerEx WHERE (1 = -1)", &ex);
}

long CBaseClassAccess::EditGISLayerEx(CLayerEx& ex) {
    return EditGISLayerEx(ex.LayerID, ex);
}

long CBaseClassAccess::EditGISLayerEx(long layerId, CLayerEx& ex) {
    return db_.EditOneRecordInfo(FormatSql(kSelectOfLayer, layerId), &ex);
}

long CBaseClassAccess::DeleteGISLayerEx(long layerId) {
    return db_.DeleteRecordInfo(FormatSql("Delete FROM GH_LayerEx WHERE (LayerID = %d)", layerId));
}

long CBaseClassAccess::ExistingLayerEx(long layerId, int& exists) {
    return db_.CheckRecordInfoEmpty(FormatSql(kSelectOfLayer, layerId), exists);
}

long CBaseClassAccess::GetMaxParseIdOfLayerEx() {
    long greatest = 0;
    if (db_.GetMaxFieldValueFromTable("SELECT MAX(LayerParseID) AS MaxValue FROM GH_LayerEx ",
                                      greatest) != 2)
        return 0;
    return greatest + 1;
}

bool CBaseClassAccess::IsHasThisParseId(long parseId) {
    long rows = 0;
    return db_.CountRows(FormatSql("SELECT* FROM GH_LayerEx WHERE (LayerParseID = %d)", parseId),
                         rows) == 2 &&
           rows > 0;
}

}  // namespace ghdb
