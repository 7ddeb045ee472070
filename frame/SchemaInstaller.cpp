#include "frame/SchemaInstaller.h"

#include "frame/RecordsetPtr.h"
#include "schema/Ddl.h"
#include "schema/Tables.h"

namespace ghdb {

namespace {

long Install(const char* connectionString, schema::Database database) {
    ConnectionPtr connection = Connection::Create();
    try {
        connection->OpenCreating(connectionString);
        Transaction transaction(*connection);
        for (const std::string& statement :
             schema::CreateStatements(connection->GetEngine(), database))
            connection->Execute(statement.c_str(), nullptr, adCmdText);
        transaction.Commit();
        return 2;
    } catch (...) {
        ShowProviderError(connection.get(), kConnectFailedText);
        return -1;
    }
}

void AppendTableNames(schema::Database database, CStringArray& names) {
    for (const schema::TableDef& table : schema::Tables(database)) names.Add(table.name);
}

}  // namespace

long CreateConfigSchema(const char* connectionString) {
    return Install(connectionString, schema::Database::Config);
}

long CreateMisSchema(const char* connectionString) {
    return Install(connectionString, schema::Database::Mis);
}

void GetConfigTableNames(CStringArray& names) {
    AppendTableNames(schema::Database::Config, names);
}

void GetMisTableNames(CStringArray& names) {
    AppendTableNames(schema::Database::Mis, names);
}

}  // namespace ghdb
