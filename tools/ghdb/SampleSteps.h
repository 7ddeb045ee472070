#pragma once

#include <string>

namespace ghdb::tool {

// A failed step of building the sample: the message names it and the status it returned.
struct StepFailed {
    std::string message;
};

inline void Expect(long status, long wanted, const std::string& step) {
    if (status != wanted)
        throw StepFailed{step + " failed (status " + std::to_string(status) + ")"};
}

inline std::string Named(const char* kind, const char* name) {
    return std::string(kind) + " '" + name + "'";
}

}  // namespace ghdb::tool
