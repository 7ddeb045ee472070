#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "schema/Engine.h"

namespace ghdb::driver::odbc {

// The statements that the ODBC session writes itself, in each server's own syntax. Table names
// are given as the engine reads them; column names as the engine reported them.

std::string QuoteName(schema::Engine engine, std::string_view name);

// One column of a row's identity: compared with a parameter, or with NULL (no parameter).
struct KeyPart {
    std::string column;  // quoted
    bool isNull = false;
};

// `INSERT … VALUES (?, …)` returning the stored row; no columns inserts the defaults. With
// `returned`, only those columns of the stored row (none: nothing) are returned.
std::string InsertReturning(schema::Engine engine, const std::string& table,
                            const std::vector<std::string>& columns,
                            const std::vector<std::string>* returned = nullptr);

// Updates at most one row, the one matching `key`, setting each of `columns` from a parameter
// (in that order, before the key's parameters), and returns it as stored.
std::string UpdateOneReturning(schema::Engine engine, const std::string& table,
                               const std::vector<std::string>& columns,
                               const std::vector<KeyPart>& key);

// Deletes at most one row, the one matching `key`.
std::string DeleteOne(schema::Engine engine, const std::string& table,
                      const std::vector<KeyPart>& key);

// A query with one parameter (the table's name) whose rows are the table's columns in order:
// name, identity (1 when the database assigns the value), primary-key member (1 or 0).
std::string TableColumnsQuery(schema::Engine engine);

// Starts the transaction at once where the driver would start it only with the next data
// statement (SQL Server's implicit transactions, which SAVE TRANSACTION does not start); empty
// where that is not needed.
std::string TransactionStartStatement(schema::Engine engine);

// Takes a lock named `name` that is held until the transaction ends (an advisory lock on
// PostgreSQL, an application lock on SQL Server).
std::string SerialiseStatement(schema::Engine engine, const std::string& name);

std::string SavepointStatement(schema::Engine engine, const std::string& name);
// Empty where the engine keeps savepoints until the transaction ends.
std::string ReleaseSavepointStatement(schema::Engine engine, const std::string& name);
std::string RollbackToSavepointStatement(schema::Engine engine, const std::string& name);

}  // namespace ghdb::driver::odbc
