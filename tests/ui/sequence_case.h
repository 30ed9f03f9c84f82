// A row of the function and triangle tables: KEYS arguments typed one after
// another into a fresh window, the display after each, the tape lines written
// after the opening stamp, and how many times the window beeped.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "session.h"

namespace tavrel {

struct SequenceCase {
    const char* name;
    std::vector<std::string> steps;
    std::vector<std::string> displays;
    std::vector<std::string> tape;  // after the date, time and separator lines
    int beeps = 0;
};

inline void PrintTo(const SequenceCase& c, std::ostream* os) {
    *os << c.name;
}

inline std::string sequenceName(const ::testing::TestParamInfo<SequenceCase>& info) {
    return info.param.name;
}

// Runs every step of the row and checks displays, tape and beeps.
inline void checkSequence(const SequenceCase& c) {
    cli::Session s;
    std::vector<std::string> shown;
    for (const std::string& step : c.steps) {
        std::string error;
        ASSERT_TRUE(s.run(step, &error)) << error;
        shown.push_back(s.window().EditFract1.text());
    }
    EXPECT_EQ(shown, c.displays);
    const std::vector<std::string> lines = s.tapeLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()), c.tape);
    EXPECT_EQ(s.platform().system().beeps(), c.beeps);
}

}  // namespace tavrel
