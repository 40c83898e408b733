// Tests of the cyclic-handler panel's row texts and enable rules and of its edit dialog's checks.
#include "cyc_entries.h"

#include <gtest/gtest.h>

#include "english_labels.h"

namespace {

using cycpanel::CheckCycInput;
using cycpanel::CycCheck;

TEST(CycRows, ColumnsAndTexts)
{
    const LabelLookup label = testlabels::Labels();
    std::vector<std::string> headers;
    std::vector<int> widths;
    for (const cycpanel::Column& c : cycpanel::Columns()) {
        headers.push_back(label(c.headerId));
        widths.push_back(c.width);
    }
    EXPECT_EQ(headers, (std::vector<std::string>{"CYCLIC-HANDLER Function", "CYCLIC Time", "Init Start Attr"}));
    EXPECT_EQ(widths, (std::vector<int>{115, 95, 95}));
    EXPECT_EQ(cycpanel::RowTexts("cyc%s", 100, 1, label), (std::vector<std::string>{"cyc%s", "100", "Start"}));
    EXPECT_EQ(cycpanel::RowTexts("c", -100, 0, label), (std::vector<std::string>{"c", "-100", "Stop"}));
    EXPECT_EQ(cycpanel::AttrText(3, label), "Start");
    EXPECT_EQ(cycpanel::AttrText(2, label), "Stop");
}

TEST(CycRows, ZeroCycleTimeShowsNothing)
{
    const LabelLookup label = testlabels::Labels();
    EXPECT_EQ(cycpanel::CycleTimeText(0), "");
    EXPECT_EQ(cycpanel::RowTexts("c", 0, 1, label)[1], "");
    EXPECT_EQ(cycpanel::CycleTimeText(1), "1");
}

TEST(CycEnable, SystemTimeRulesTheControls)
{
    EXPECT_FALSE(cycpanel::IsUseBoxEnabled(0));
    EXPECT_TRUE(cycpanel::IsUseBoxEnabled(1));
    EXPECT_FALSE(cycpanel::IsListEnabled(0, 1));
    EXPECT_FALSE(cycpanel::IsListEnabled(1, 0));
    EXPECT_FALSE(cycpanel::IsListEnabled(0, 0));
    EXPECT_TRUE(cycpanel::IsListEnabled(1, 1));
    // A use flag other than 1 is not "used".
    EXPECT_FALSE(cycpanel::IsListEnabled(2, 1));
}

TEST(CycDialog, AttributeItems)
{
    EXPECT_EQ(cycpanel::AttrItemIndex(1), 0);
    EXPECT_EQ(cycpanel::AttrItemIndex(0), 1);
    EXPECT_EQ(CheckCycInput("c", "1", 0).attr, 1);
    EXPECT_EQ(CheckCycInput("c", "1", 1).attr, 0);
}

TEST(CycDialog, ChecksInOrder)
{
    EXPECT_EQ(CheckCycInput("", "", 0).messageId, 4008);
    EXPECT_EQ(CheckCycInput("  ", "abc", 0).messageId, 4008);
    EXPECT_EQ(CheckCycInput("c", "", 0).messageId, 4009);
    EXPECT_EQ(CheckCycInput("c", " \t", 0).messageId, 4009);
    EXPECT_EQ(CheckCycInput("a,b", "", 0).messageId, 4011);
    EXPECT_EQ(CheckCycInput("DTQ_ATTR_h", "", 0).messageId, 4011);
    for (const char* bad : {"0100", "100ms", "+100", "1 00", "99999999999", "0", "-10", " -100 "}) {
        EXPECT_EQ(CheckCycInput("c", bad, 0).messageId, 4010) << bad;
    }
}

TEST(CycDialog, AnyNameAndAnyNumberFromOnePass)
{
    const CycCheck c = CheckCycInput("  1st_handler ", " 100 ", 0);
    EXPECT_EQ(c.messageId, 0);
    EXPECT_EQ(c.func, "1st_handler");
    EXPECT_EQ(c.cycleTime, 100);
    EXPECT_EQ(CheckCycInput("int", "1", 1).messageId, 0);
    EXPECT_EQ(CheckCycInput("int", "1", 1).cycleTime, 1);
}

}  // namespace
