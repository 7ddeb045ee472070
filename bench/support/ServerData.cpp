#include "support/ServerData.h"

#include <stdexcept>
#include <tuple>

#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {

namespace {

void Exec(Connection& c, const std::string& sql) {
    c.Execute(sql.c_str(), nullptr, adCmdText);
}

}  // namespace

void FillServerBenchTable(const std::string& connection, int rows) {
    FillBenchTable(connection, 0);
    ConnectionPtr c = Connection::Create();
    c->Open(connection.c_str());
    // The values of CBenchRow::Sample(i).
    Exec(*c,
         FormatString(
             "INSERT INTO GHB_Row (T1, T2, T3, T4, T5, T6, L1, L2, L3, L4, L5, L6, L7, D1, D2, "
             "D3, D4, B1, B2) SELECT 'Layer ' || i, '道路中心线', 'GH_' || lpad(i::text, 6, '0'), "
             "'Planning', '', 'remark', i, i %% 7, 3, -1, i * 2, 200, 0, i * 0.5, 1.25, 500.0, "
             "-3.75, i %% 2, 1 FROM generate_series(0, %d) AS g(i) ORDER BY i",
             rows - 1)
             .str());
}

void FillServerKidLayers(const std::string& connection, int layers) {
    if (CreateConfigSchema(connection.c_str()) != 2)
        throw std::runtime_error("cannot create the configuration tables");
    ConnectionPtr c = Connection::Create();
    c->Open(connection.c_str());
    for (const char* table : {"GHGIS_LayerGroupLayerRelation", "GHGIS_Layer", "GHGIS_LayerGroup",
                              "GHGIS_SpacialDBInfo"})
        Exec(*c, std::string("DELETE FROM ") + table);
    Exec(*c,
         "INSERT INTO GHGIS_SpacialDBInfo (DBID, DBAlias, ConnectionString) VALUES (1, "
         "'规划成果库', 'Server=sde DBName=ghsde UID=sde PWD=sde DBType=ArcSDE Port=5151')");
    // Group 1 with layers 1 .. layers, group 2 with the next half as many; display orders
    // 1, 2, 3 ... in each.
    const int second = layers / 2;
    for (const auto& [group, first, count] :
         {std::tuple{1, 1, layers}, std::tuple{2, layers + 1, second}}) {
        Exec(*c, FormatString("INSERT INTO GHGIS_LayerGroup (LayerGroupID, ParentGroupID, "
                              "DispOrder, LayerGroupName) VALUES (%d, -1, %d, 'group %d')",
                              group, group, group)
                     .str());
        Exec(*c,
             FormatString(
                 "INSERT INTO GHGIS_Layer (IsDynamicLayer, IsLabeled, LayerID, ShapeType, DBID, "
                 "WebLayerID, SymbolType, MinScale, MaxScale, SpatialMinX, SpatialMinY, "
                 "SpatialMaxX, SpatialMaxY, MeaningID, LayerName, LayerAlias, SU_UserID, "
                 "RealLayerID, Remark, QueryField, PrimaryField, URL, LabelField) SELECT 0, 0, "
                 "id, (id - %d) %% 5, 1, -1, 1, -1, -1, 39440000.0, 3410000.0, 39520000.0, "
                 "3480000.0, -1, 'GH_L' || id, '图层' || id, 'sde', 'GH_L' || id, '规划图层', "
                 "'OBJECTID', 'OBJECTID', '', '' FROM generate_series(%d, %d) AS g(id)",
                 first, first, first + count - 1)
                 .str());
        Exec(*c, FormatString("INSERT INTO GHGIS_LayerGroupLayerRelation (LayerGroupID, LayerID, "
                              "DispOrder) SELECT %d, id, id - %d + 1 FROM generate_series(%d, "
                              "%d) AS g(id)",
                              group, first, first, first + count - 1)
                     .str());
    }
}

}  // namespace ghdb::bench
