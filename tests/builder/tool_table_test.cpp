// The tool table as data: names the command line and the window rely on,
// and defaults that read through their own fields.
#include <gtest/gtest.h>

#include <set>

#include "builder/evaluate.h"
#include "builder/field_reader.h"

namespace tavrel::builder {
namespace {

TEST(ToolTable, NamesAreUniqueAndRequiredFieldsHaveNoDefault) {
    std::set<std::string_view> toolNames;
    for (const ToolRow& t : tools()) {
        EXPECT_TRUE(toolNames.insert(t.name).second) << t.name;
        std::set<std::string_view> fields;
        for (const FieldRow& f : t.fields) {
            EXPECT_TRUE(fields.insert(f.name).second) << t.name << " " << f.name;
            EXPECT_FALSE(f.required && !f.defaultText.empty()) << t.name << " " << f.name;
        }
        std::set<std::string_view> results;
        for (const ResultRow& r : t.results)
            EXPECT_TRUE(results.insert(r.name).second) << t.name << " " << r.name;
    }
    EXPECT_EQ(toolNames.size(), 10u);
}

TEST(ToolTable, EveryDefaultReadsThroughItsField) {
    for (const ToolRow& t : tools()) {
        for (const FieldRow& f : t.fields) {
            for (std::string_view text : {f.defaultText, f.metricDefault}) {
                if (text.empty()) continue;
                FieldValue v;
                EXPECT_EQ(readField(f, text, CoreServices{}, v), "") << t.name << " " << f.name;
            }
        }
    }
}

TEST(ToolTable, FindsToolsAndFieldsIgnoringCase) {
    ASSERT_NE(findTool("Stairs"), nullptr);
    EXPECT_EQ(findTool("Stairs")->name, "stairs");
    EXPECT_EQ(findTool("ladder"), nullptr);
    EXPECT_EQ(fieldIndex(*findTool("hip"), "PITCH2"), std::optional<std::size_t>(3));
    EXPECT_EQ(fieldIndex(*findTool("hip"), "pitch3"), std::nullopt);
}

// The inputs recorded with a result: typed texts tidied, defaults as used.
TEST(ToolInputs, AreTheTypedTextsAndTheDefaultsUsed) {
    const ToolRow& rake = *findTool("rakewall");
    const std::vector<GivenField> given{{"pitch", "  7   1/2 "}};
    const Evaluation e = evaluate(rake, given, CoreServices{});
    ASSERT_TRUE(e.ok()) << e.error;
    ASSERT_EQ(e.inputs.size(), 3u);
    EXPECT_EQ(e.inputs[0].text, "7 1/2");
    EXPECT_EQ(e.inputs[1].text, "16\"");
    EXPECT_EQ(e.inputs[2].text, "16");
    const ToolRow& hip = *findTool("hip");
    const std::vector<GivenField> metricHip{{"pitch", "7"}, {"run", "3M"}};
    EXPECT_EQ(evaluate(hip, metricHip, CoreServices{}).inputs[2].text, "600m");
}

// A comma as the system's decimal separator is read and written.
TEST(ToolInputs, LocalDecimalSeparatorInAndOut) {
    const ToolRow& sq = *findTool("squareup");
    const std::vector<GivenField> given{{"length", "1,5M"}, {"width", "2M"}};
    const Evaluation e = evaluate(sq, given, CoreServices{',', {}});
    ASSERT_TRUE(e.ok()) << e.error;
    EXPECT_EQ(e.results[0].items.at(0), "2,5M");
}

}  // namespace
}  // namespace tavrel::builder
