#include "frame/SchemaInstaller.h"

#include "frame/RecordsetPtr.h"
#include "platform/win/MessageSink.h"
#include "schema/Ddl.h"

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
        const Errors& errors = connection->GetErrors();
        ShowMessage(errors.GetCount() > 0
                        ? errors.GetItem(errors.GetCount() - 1).Description.c_str()
                        : kConnectFailedText,
                    kDatabaseErrorCaption);
        return -1;
    }
}

}  // namespace

long CreateConfigSchema(const char* connectionString) {
    return Install(connectionString, schema::Database::Config);
}

long CreateMisSchema(const char* connectionString) {
    return Install(connectionString, schema::Database::Mis);
}

}  // namespace ghdb
