#include "drivers/odbc/OdbcHandle.h"

#include <algorithm>

namespace ghdb::driver::odbc {

namespace {

// "[unixODBC][Driver Manager]Data source name not found" reads "Data source name not found".
std::string WithoutVendorPrefixes(std::string text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == '[') {
        const std::size_t close = text.find(']', start);
        if (close == std::string::npos) break;
        start = close + 1;
    }
    text.erase(0, start);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

}  // namespace

std::vector<ErrorRecord> Diagnostics(SQLSMALLINT type, SQLHANDLE handle,
                                     const std::string& source) {
    std::vector<ErrorRecord> records;
    if (handle == SQL_NULL_HANDLE) return records;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        std::string message(512, '\0');
        SQLRETURN rc = SQLGetDiagRec(type, handle, i, state, &native,
                                     reinterpret_cast<SQLCHAR*>(message.data()),
                                     static_cast<SQLSMALLINT>(message.size()), &length);
        if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
            message.assign(static_cast<std::size_t>(length) + 1, '\0');
            rc = SQLGetDiagRec(type, handle, i, state, &native,
                               reinterpret_cast<SQLCHAR*>(message.data()),
                               static_cast<SQLSMALLINT>(message.size()), &length);
        }
        if (!SQL_SUCCEEDED(rc)) break;
        message.resize(std::min<std::size_t>(static_cast<std::size_t>(length), message.size() - 1));
        records.push_back(ErrorRecord{WithoutVendorPrefixes(std::move(message)), source,
                                      reinterpret_cast<const char*>(state), native});
    }
    return records;
}

void Fail(SQLSMALLINT type, SQLHANDLE handle, const std::string& source, const char* fallback) {
    auto records = Diagnostics(type, handle, source);
    if (records.empty()) records.push_back(ErrorRecord{fallback, source, "", 0});
    throw DriverError(std::move(records));
}

void Fail(const std::string& source, const std::string& text) {
    throw DriverError({ErrorRecord{text, source, "", 0}});
}

Handle NewEnvironment() {
    SQLHANDLE env = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        Fail("ODBC", "the ODBC driver manager could not allocate an environment");
    Handle handle(SQL_HANDLE_ENV, env);
    if (!SQL_SUCCEEDED(SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION,
                                     reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)))
        Fail(SQL_HANDLE_ENV, env, "ODBC", "the ODBC driver manager refused ODBC 3");
    return handle;
}

std::vector<std::string> InstalledDrivers() {
    Handle env = NewEnvironment();
    std::vector<std::string> names;
    SQLCHAR name[512];
    SQLCHAR attributes[2048];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT attributesLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(SQLDrivers(env.get(), direction, name, sizeof name, &nameLength,
                                    attributes, sizeof attributes, &attributesLength))) {
        names.emplace_back(reinterpret_cast<const char*>(name));
        direction = SQL_FETCH_NEXT;
    }
    return names;
}

}  // namespace ghdb::driver::odbc
