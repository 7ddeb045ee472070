#include "drivers/odbc/ServerStatements.h"

namespace ghdb::driver::odbc {

namespace {

using schema::Engine;

std::string Join(const std::vector<std::string>& parts, const char* separator,
                 const char* suffix = "") {
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) out += separator;
        out += part + suffix;
    }
    return out;
}

std::string Where(const std::vector<KeyPart>& key) {
    std::string out;
    for (const KeyPart& part : key) {
        if (!out.empty()) out += " AND ";
        out += part.column + (part.isNull ? " IS NULL" : " = ?");
    }
    return out.empty() ? "1 = 1" : out;
}

// PostgreSQL has no row limit on UPDATE and DELETE; the row's physical address picks one of
// several equal rows.
std::string OneRow(const std::string& table, const std::vector<KeyPart>& key) {
    return "ctid = (SELECT ctid FROM " + table + " WHERE " + Where(key) + " LIMIT 1)";
}

}  // namespace

std::string QuoteName(Engine engine, std::string_view name) {
    const char open = engine == Engine::SqlServer ? '[' : '"';
    const char close = engine == Engine::SqlServer ? ']' : '"';
    std::string out(1, open);
    for (char c : name) {
        if (c == close) out += close;
        out += c;
    }
    return out + close;
}

std::string InsertReturning(Engine engine, const std::string& table,
                            const std::vector<std::string>& columns,
                            const std::vector<std::string>* returned) {
    std::vector<std::string> markers(columns.size(), "?");
    const std::string names = columns.empty() ? "" : " (" + Join(columns, ", ") + ")";
    const std::string values =
        columns.empty() ? " DEFAULT VALUES" : " VALUES (" + Join(markers, ", ") + ")";
    const bool sqlServer = engine == Engine::SqlServer;
    std::string output = sqlServer ? " OUTPUT INSERTED.*" : " RETURNING *";
    if (returned) {
        output.clear();
        for (const std::string& column : *returned) {
            output += output.empty() ? (sqlServer ? " OUTPUT " : " RETURNING ") : ", ";
            if (sqlServer) output += "INSERTED.";
            output += column;
        }
    }
    if (sqlServer) return "INSERT INTO " + table + names + output + values;
    return "INSERT INTO " + table + names + values + output;
}

std::string UpdateOneReturning(Engine engine, const std::string& table,
                               const std::vector<std::string>& columns,
                               const std::vector<KeyPart>& key) {
    const std::string sets = Join(columns, ", ", " = ?");
    if (engine == Engine::SqlServer)
        return "UPDATE TOP (1) " + table + " SET " + sets + " OUTPUT INSERTED.* WHERE " +
               Where(key);
    return "UPDATE " + table + " SET " + sets + " WHERE " + OneRow(table, key) + " RETURNING *";
}

std::string DeleteOne(Engine engine, const std::string& table, const std::vector<KeyPart>& key) {
    if (engine == Engine::SqlServer) return "DELETE TOP (1) FROM " + table + " WHERE " + Where(key);
    return "DELETE FROM " + table + " WHERE " + OneRow(table, key);
}

std::string TableColumnsQuery(Engine engine) {
    if (engine == Engine::SqlServer)
        return "SELECT c.name, CASE WHEN c.is_identity = 1 THEN 1 ELSE 0 END, "
               "CASE WHEN EXISTS (SELECT 1 FROM sys.indexes i JOIN sys.index_columns ic "
               "ON ic.object_id = i.object_id AND ic.index_id = i.index_id "
               "WHERE i.object_id = c.object_id AND i.is_primary_key = 1 "
               "AND ic.column_id = c.column_id) THEN 1 ELSE 0 END "
               "FROM sys.columns c WHERE c.object_id = OBJECT_ID(?) ORDER BY c.column_id";
    return "SELECT a.attname, CASE WHEN a.attidentity <> '' OR "
           "COALESCE(pg_get_expr(d.adbin, d.adrelid), '') LIKE 'nextval(%' THEN 1 ELSE 0 END, "
           "CASE WHEN EXISTS (SELECT 1 FROM pg_index i WHERE i.indrelid = a.attrelid "
           "AND i.indisprimary AND a.attnum = ANY (i.indkey)) THEN 1 ELSE 0 END "
           "FROM pg_attribute a LEFT JOIN pg_attrdef d "
           "ON d.adrelid = a.attrelid AND d.adnum = a.attnum "
           "WHERE a.attrelid = to_regclass(CAST(? AS text)) AND a.attnum > 0 "
           "AND NOT a.attisdropped ORDER BY a.attnum";
}

std::string TransactionStartStatement(Engine engine) {
    return engine == Engine::SqlServer ? "SELECT TOP (0) 1 AS started FROM sys.objects"
                                       : std::string();
}

std::string SerialiseStatement(Engine engine, const std::string& name) {
    std::string literal;
    for (char c : name) {
        if (c == '\'') literal += '\'';
        literal += c;
    }
    if (engine == Engine::SqlServer)
        return "EXEC sp_getapplock @Resource = N'ghdb." + literal +
               "', @LockMode = 'Exclusive', @LockOwner = 'Transaction'";
    return "SELECT pg_advisory_xact_lock(hashtext('ghdb." + literal + "'))";
}

std::string SavepointStatement(Engine engine, const std::string& name) {
    return (engine == Engine::SqlServer ? "SAVE TRANSACTION " : "SAVEPOINT ") + name;
}

std::string ReleaseSavepointStatement(Engine engine, const std::string& name) {
    return engine == Engine::SqlServer ? std::string() : "RELEASE SAVEPOINT " + name;
}

std::string RollbackToSavepointStatement(Engine engine, const std::string& name) {
    return (engine == Engine::SqlServer ? "ROLLBACK TRANSACTION " : "ROLLBACK TO SAVEPOINT ") +
           name;
}

}  // namespace ghdb::driver::odbc
