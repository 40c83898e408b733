// Tests of the object lists' row texts and of the values their edit dialogs store, with the shipped texts.
#include "entry_list_rows.h"

#include <gtest/gtest.h>

#include "english_labels.h"

namespace {

using Cells = std::vector<std::string>;

TEST(EntryListRows, UnsetMarkShowsUntilTheUserSetsTheEntry)
{
    EXPECT_EQ(entrylist::UnsetMark(0), "*");
    EXPECT_EQ(entrylist::UnsetMark(1), "");
}

TEST(EntryListRows, CountItemsRunFromOneTo127)
{
    const Cells items = entrylist::NumberItems(1, entrylist::kMaxCount);
    ASSERT_EQ(items.size(), 127u);
    EXPECT_EQ(items.front(), "1");
    EXPECT_EQ(items[9], "10");
    EXPECT_EQ(items.back(), "127");
    EXPECT_EQ(entrylist::NumberItems(0, 255).size(), 256u);
    EXPECT_EQ(entrylist::NumberItems(0, 255).back(), "255");
    EXPECT_TRUE(entrylist::NumberItems(1, 0).empty());
}

TEST(EntryListRows, EventFlagAttributeZeroAndSeven)
{
    const LabelLookup label = testlabels::Labels();
    EXPECT_EQ(entrylist::EventFlagColumns(0, label), (Cells{"OR", "", "Priority"}));
    EXPECT_EQ(entrylist::EventFlagColumns(7, label), (Cells{"AND", "O", "FIFO"}));
}

TEST(EntryListRows, EventFlagBitsAreIndependent)
{
    const LabelLookup label = testlabels::Labels();
    EXPECT_EQ(entrylist::EventFlagColumns(4, label), (Cells{"AND", "", "Priority"}));
    EXPECT_EQ(entrylist::EventFlagColumns(2, label), (Cells{"OR", "O", "Priority"}));
    EXPECT_EQ(entrylist::EventFlagColumns(1, label), (Cells{"OR", "", "FIFO"}));
}

TEST(EntryListRows, EventFlagDialogButtonsGiveTheAttribute)
{
    EXPECT_EQ(entrylist::EventFlagAttr(false, false, false), 0);
    EXPECT_EQ(entrylist::EventFlagAttr(true, false, false), 4);
    EXPECT_EQ(entrylist::EventFlagAttr(false, true, false), 2);
    EXPECT_EQ(entrylist::EventFlagAttr(false, false, true), 1);
    EXPECT_EQ(entrylist::EventFlagAttr(true, true, true), 7);
}

TEST(EntryListRows, SemaphoreAndDataQueueRows)
{
    const LabelLookup label = testlabels::Labels();
    EXPECT_EQ(entrylist::SemaphoreColumns(0, 255, label), (Cells{"255", "Priority"}));
    EXPECT_EQ(entrylist::SemaphoreColumns(1, 0, label), (Cells{"0", "FIFO"}));
    // A data count of 0 (a queue without buffer) is shown as 0, not left empty.
    EXPECT_EQ(entrylist::DataQueueColumns(0, 0, label), (Cells{"0", "Priority"}));
    EXPECT_EQ(entrylist::DataQueueColumns(1, 127, label), (Cells{"127", "FIFO"}));
    // Only bit 0 decides the wait queue.
    EXPECT_EQ(entrylist::WaitQueueText(2, label), "Priority");
    EXPECT_EQ(entrylist::WaitQueueText(3, label), "FIFO");
}

TEST(EntryListRows, JapaneseRowsUseTheJapaneseTable)
{
    const LabelLookup label = testlabels::Labels(StringLang::Japanese);
    EXPECT_EQ(entrylist::EventFlagColumns(7, label), (Cells{"AND", "O", "FIFO順"}));
    EXPECT_EQ(entrylist::SemaphoreColumns(0, 3, label), (Cells{"3", "優先度順"}));
}

TEST(EntryListRows, SelectedNumberIsTheItemIndexOrTheOpenedValue)
{
    EXPECT_EQ(entrylist::SelectedNumber(0, 256, 9), 0);
    EXPECT_EQ(entrylist::SelectedNumber(255, 256, 9), 255);
    // Nothing selected (the stored number was outside the list): the opened value stays.
    EXPECT_EQ(entrylist::SelectedNumber(-1, 128, 300), 300);
    EXPECT_EQ(entrylist::SelectedNumber(128, 128, 5), 5);
}

}  // namespace
