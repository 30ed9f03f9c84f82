// A row of the window's tables: a key script and the display line
// ("display | unit item | precision item | locked/unlocked") it must end on.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "session.h"

namespace tavrel {

struct ScriptCase {
    const char* name;
    const char* keys;
    const char* line;
};

inline void PrintTo(const ScriptCase& c, std::ostream* os) {
    *os << c.name;
}

// Runs the row's script in a fresh window; false (with a failure) when the script is bad.
inline bool runScript(cli::Session& s, const ScriptCase& c) {
    std::string error;
    const bool ok = s.run(c.keys, &error);
    EXPECT_TRUE(ok) << error;
    return ok;
}

inline std::string rowName(const ::testing::TestParamInfo<ScriptCase>& info) {
    return info.param.name;
}

}  // namespace tavrel
