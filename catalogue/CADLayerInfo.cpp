#include "catalogue/CADLayerInfo.h"

namespace ghdb {

// GISInnerID, ParentInnerID and Sequence are 2-byte columns held as longs: a value that does
// not fit fails its column alone instead of being stored cut.
const ColumnTable<CCADLayerInfo>& CCADLayerInfo::Columns() {
    static const ColumnTable<CCADLayerInfo> columns = {
        {"StandardValue", &CCADLayerInfo::StandardValue},
        {"LayerName", &CCADLayerInfo::LayerName},
        {"LayerAlias", &CCADLayerInfo::LayerAlias},
        {"LineName", &CCADLayerInfo::LineName},
        {"FontName", &CCADLayerInfo::FontName},
        {"BlockName", &CCADLayerInfo::BlockName},
        {"ParseID", &CCADLayerInfo::ParseID},
        {"Type", &CCADLayerInfo::Type},
        {"GISInnerID", &CCADLayerInfo::GISInnerID, Stored::Int16},
        {"ParentInnerID", &CCADLayerInfo::ParentInnerID, Stored::Int16},
        {"LayerColor", &CCADLayerInfo::LayerColor},
        {"LineWidth", &CCADLayerInfo::LineWidth},
        {"LineScale", &CCADLayerInfo::LineScale},
        {"FontHeight", &CCADLayerInfo::FontHeight},
        {"BlockDirection", &CCADLayerInfo::BlockDirection},
        {"BlockScaleX", &CCADLayerInfo::BlockScaleX},
        {"BlockScaleY", &CCADLayerInfo::BlockScaleY},
        {"BlockScaleZ", &CCADLayerInfo::BlockScaleZ},
        {"Sequence", &CCADLayerInfo::Sequence, Stored::Int16},
        {"TCHatchName", &CCADLayerInfo::TCHatchName},
        {"ClassInfo", &CCADLayerInfo::ClassInfo},
        {"PatternName", &CCADLayerInfo::PatternName},
        {"PatternScale", &CCADLayerInfo::PatternScale},
        {"PatternAngle", &CCADLayerInfo::PatternAngle},
        {"LayerRGBColor", &CCADLayerInfo::LayerRGBColor},
    };
    return columns;
}

}  // namespace ghdb
