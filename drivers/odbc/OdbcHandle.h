#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <utility>
#include <vector>

#include "drivers/Session.h"

namespace ghdb::driver::odbc {

// One ODBC handle, freed when it goes.
class Handle {
public:
    Handle() = default;
    Handle(SQLSMALLINT type, SQLHANDLE handle) noexcept : type_(type), handle_(handle) {}
    Handle(Handle&& other) noexcept
        : type_(other.type_), handle_(std::exchange(other.handle_, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            reset();
            type_ = other.type_;
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { reset(); }

    SQLHANDLE get() const noexcept { return handle_; }
    SQLSMALLINT type() const noexcept { return type_; }
    explicit operator bool() const noexcept { return handle_ != SQL_NULL_HANDLE; }

    void reset() noexcept {
        if (handle_ != SQL_NULL_HANDLE) SQLFreeHandle(type_, handle_);
        handle_ = SQL_NULL_HANDLE;
    }

private:
    SQLSMALLINT type_ = SQL_HANDLE_ENV;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// Every diagnostic record of `handle`, worded as the engine worded it, with `source` as the
// records' source. Vendor prefixes such as "[unixODBC][Driver Manager]" are dropped.
std::vector<ErrorRecord> Diagnostics(SQLSMALLINT type, SQLHANDLE handle, const std::string& source);

// Raises DriverError with the diagnostics of `handle`, or with `fallback` when it has none.
[[noreturn]] void Fail(SQLSMALLINT type, SQLHANDLE handle, const std::string& source,
                       const char* fallback);

[[noreturn]] void Fail(const std::string& source, const std::string& text);

// An environment for ODBC 3 behaviour.
Handle NewEnvironment();

// The drivers that the driver manager knows (odbcinst.ini), by name.
std::vector<std::string> InstalledDrivers();

}  // namespace ghdb::driver::odbc
