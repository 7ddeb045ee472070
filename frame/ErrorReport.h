#pragma once

namespace ghdb {

class Connection;

inline constexpr const char* kDatabaseErrorCaption = "数据库错误";
inline constexpr const char* kConnectFailedText = "连接数据库失败!";

// Shows the last error the provider recorded on `connection`, titled as a database error. With
// no connection, or no error recorded, it shows `otherwise` instead (nothing when null).
void ShowProviderError(const Connection* connection, const char* otherwise = nullptr);

}  // namespace ghdb
