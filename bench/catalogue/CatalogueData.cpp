#include "catalogue/CatalogueData.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "ghdb.h"
#include "support/BenchRow.h"

namespace ghdb::bench {

namespace {

// A prepared statement of the set-up, finalised when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Int(int index, long value) {
        sqlite3_bind_int64(stmt_, index, value);
        return *this;
    }
    Statement& Real(int index, double value) {
        sqlite3_bind_double(stmt_, index, value);
        return *this;
    }
    Statement& Text(int index, const std::string& value) {
        sqlite3_bind_text(stmt_, index, value.c_str(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    void Run() {
        if (sqlite3_step(stmt_) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
        sqlite3_reset(stmt_);
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// The database files of the run, removed when it ends.
class MadeFiles {
public:
    ~MadeFiles() {
        std::error_code ignored;
        for (const std::string& file : files_)
            for (const char* suffix : {"", "-wal", "-shm"})
                std::filesystem::remove(file + suffix, ignored);
    }
    void Add(const std::string& file) { files_.push_back(file); }

private:
    std::vector<std::string> files_;
};

MadeFiles& Made() {
    static MadeFiles made;
    return made;
}

}  // namespace

void ExecOrThrow(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sql);
    }
}

long QueryLong(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    const long value =
        sqlite3_step(stmt) == SQLITE_ROW ? static_cast<long>(sqlite3_column_int64(stmt, 0)) : -1;
    sqlite3_finalize(stmt);
    return value;
}

std::string MakeConfigDatabase(const std::string& tag) {
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("ghdb-bench-" + std::to_string(getpid()) + "-" + tag + ".db"))
                                 .string();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file + suffix);
    Made().Add(file);
    const std::string connection = "Provider=SQLite;Data Source=" + file;
    if (CreateConfigSchema(connection.c_str()) != 2)
        throw std::runtime_error("cannot create the tables in " + file);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + file);
    ExecOrThrow(db,
                "INSERT INTO GHGIS_SpacialDBInfo (DBID, DBAlias, ConnectionString) VALUES (1, "
                "'规划成果库', 'Server=sde DBName=ghsde UID=sde PWD=sde DBType=ArcSDE Port=5151')");
    sqlite3_close(db);
    return connection;
}

std::string MakeFilledConfigDatabase(const std::string& tag, int rows,
                                     const std::function<std::string(int)>& insert) {
    const std::string connection = MakeConfigDatabase(tag);
    sqlite3* db = OpenDirect(connection);
    ExecOrThrow(db, "BEGIN");
    for (int i = 0; i < rows; ++i) ExecOrThrow(db, insert(i));
    ExecOrThrow(db, "COMMIT");
    sqlite3_close(db);
    return connection;
}

bool HoldsRows(const std::string& connection, const std::string& table, const std::string& column,
               long count, long sum) {
    sqlite3* db = OpenDirect(connection);
    const bool holds = QueryLong(db, "SELECT COUNT(*) FROM " + table) == count &&
                       QueryLong(db, "SELECT SUM(" + column + ") FROM " + table) == sum;
    sqlite3_close(db);
    return holds;
}

void FillGroup(sqlite3* db, const LayerFill& fill) {
    ExecOrThrow(db, "BEGIN");
    ExecOrThrow(db, FormatString("INSERT INTO GHGIS_LayerGroup (LayerGroupID, ParentGroupID, "
                                 "DispOrder, LayerGroupName) SELECT %d, -1, %d, 'group %d' WHERE "
                                 "NOT EXISTS (SELECT 1 FROM GHGIS_LayerGroup WHERE LayerGroupID "
                                 "= %d)",
                                 fill.groupId, fill.groupId, fill.groupId, fill.groupId)
                        .str());
    Statement layer(db,
                    "INSERT INTO GHGIS_Layer (IsDynamicLayer, IsLabeled, LayerID, ShapeType, DBID, "
                    "WebLayerID, SymbolType, MinScale, MaxScale, SpatialMinX, SpatialMinY, "
                    "SpatialMaxX, SpatialMaxY, MeaningID, LayerName, LayerAlias, SU_UserID, "
                    "RealLayerID, Remark, QueryField, PrimaryField, URL, LabelField) VALUES (0, "
                    "0, ?, ?, 1, -1, 1, -1, -1, 39440000.0, 3410000.0, 39520000.0, 3480000.0, "
                    "-1, ?, ?, 'sde', ?, '规划图层', 'OBJECTID', 'OBJECTID', '', '')");
    Statement link(db,
                   "INSERT INTO GHGIS_LayerGroupLayerRelation (LayerGroupID, LayerID, DispOrder) "
                   "VALUES (?, ?, ?)");
    Statement field(db,
                    "INSERT INTO GH_FieldInfo (IsWritable, IsNullable, LayerID, OutXDataIndex, "
                    "DataType, EnumType, Length, Precise, Sequence, FieldName, FieldAlias, "
                    "EnumUnitType, PageNum, StatusInfo, PropCtrlType) VALUES (1, 1, ?, 0, 5, "
                    "200, 50, 0, ?, ?, ?, -1, -1, 0, 0)");
    Statement extension(db,
                        "INSERT INTO GH_LayerEx (LayerID, LayerParseID, DrawOrder, GuideParamID, "
                        "CodeLayerID, CodeDigit, DefCodeSeed, DWGEntType, DefCodeFixType) VALUES "
                        "(?, ?, 0, 0, 0, 0, 0, '011110000100000', 0)");
    Statement figure(db, "INSERT INTO GH_FigureLayerIndex (ParseID, Name) VALUES (?, ?)");
    Statement cad(db,
                  "INSERT INTO GH_FigureLayer (ParseID, LayerName, Type, Sequence, LayerColor) "
                  "VALUES (?, ?, ?, 0, 7)");
    for (int i = 0; i < fill.layers; ++i) {
        const long id = fill.firstLayerId + i;
        const std::string name = FormatString("GH_L%d", id).str();
        layer.Int(1, id).Int(2, i % 5).Text(3, name).Text(4, FormatString("图层%d", id).str());
        layer.Text(5, name).Run();
        link.Int(1, fill.groupId).Int(2, id).Int(3, i + 1).Run();
        for (int f = 0; f < fill.fieldsPerLayer; ++f) {
            field.Int(1, id).Int(2, f).Text(3, FormatString("F%d", f).str());
            field.Text(4, FormatString("字段%d", f).str()).Run();
        }
        if (!fill.drawing) continue;
        extension.Int(1, id).Int(2, id).Run();
        figure.Int(1, id).Text(2, name).Run();
        for (long type : {1L, 2L, 3L})
            cad.Int(1, id).Text(2, name + "_" + std::to_string(type)).Int(3, type).Run();
    }
    ExecOrThrow(db, "COMMIT");
}

}  // namespace ghdb::bench
