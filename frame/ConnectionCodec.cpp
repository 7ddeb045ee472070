#include "frame/ConnectionCodec.h"

#include "frame/RecordsetPtr.h"

namespace ghdb {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The value after the first occurrence of `key`: from the first `=` after it, blanks trimmed,
// up to the next `;`. The key is found as a plain case-sensitive substring, wherever it is.
CString ValueOf(const CString& text, const char* key) {
    const std::string& s = text.str();
    const std::size_t at = s.find(key);
    if (s.empty() || at == std::string::npos) return CString();
    const std::size_t eq = s.find('=', at + std::char_traits<char>::length(key));
    if (eq == std::string::npos) return CString();
    std::size_t begin = eq + 1;
    while (begin < s.size() && IsBlank(s[begin])) ++begin;
    std::size_t end = s.find(';', begin);
    if (end == std::string::npos) end = s.size();
    while (end > begin && IsBlank(s[end - 1])) --end;
    return CString(s.substr(begin, end - begin));
}

}  // namespace

CString EncodeConnectionString(CString server, CString database, CString user, CString password) {
    return CString("Provider=SQLOLEDB;Data Source=") + server + ";Initial Catalog=" + database +
           ";User ID=" + user + ";Password=" + password;
}

void DecodeConnectionString(CString connectionString, CString& server, CString& database,
                            CString& user, CString& password) {
    server = ValueOf(connectionString, "Data Source");
    database = ValueOf(connectionString, "Initial Catalog");
    user = ValueOf(connectionString, "User ID");
    password = ValueOf(connectionString, "Password");
}

int TestConnection(CString connectionString) {
    if (connectionString.IsEmpty()) return 0;
    ConnectionPtr connection = Connection::Create();
    try {
        connection->Open(connectionString, "", "", 0);
        connection->Close();
        return 1;
    } catch (...) {
        ShowProviderError(connection.get());
        return 0;
    }
}

int TestConnection(CString server, CString database, CString user, CString password) {
    return TestConnection(EncodeConnectionString(server, database, user, password));
}

}  // namespace ghdb
