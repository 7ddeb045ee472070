#include <cstdio>

#include "ghdb.h"
#include "tools/ghdb/Commands.h"

namespace ghdb::tool {

int RunConnstr(const Command& self, const Args& args) {
    if (args.empty()) return BadUsage(self, "expects encode, decode or test");
    const std::string& verb = args[0];
    if (verb == "encode") {
        if (args.size() != 5) return BadUsage(self, "encode expects SERVER DATABASE USER PASSWORD");
        std::printf("%s\n",
                    static_cast<const char*>(EncodeConnectionString(
                        args[1].c_str(), args[2].c_str(), args[3].c_str(), args[4].c_str())));
        return 0;
    }
    if (verb == "decode") {
        if (args.size() != 2) return BadUsage(self, "decode expects one STRING");
        CString server, database, user, password;
        DecodeConnectionString(args[1].c_str(), server, database, user, password);
        std::printf("server:   %s\ndatabase: %s\nuser:     %s\npassword: %s\n",
                    static_cast<const char*>(server), static_cast<const char*>(database),
                    static_cast<const char*>(user), static_cast<const char*>(password));
        return 0;
    }
    if (verb == "test") {
        if (args.size() != 2) return BadUsage(self, "test expects one STRING");
        const bool ok = TestConnection(args[1].c_str()) == 1;
        std::printf("%s\n", ok ? "connection opened" : "connection failed");
        return ok ? 0 : 1;
    }
    return BadUsage(self, "unknown verb '" + verb + "'");
}

}  // namespace ghdb::tool
