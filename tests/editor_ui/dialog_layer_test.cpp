// The dialog layer: queued answers, defaults while answering automatically, the record of what was
// asked, and the conversion of file filters.
#include "ui_dialogs.h"

#include <gtest/gtest.h>

namespace {

class DialogLayer : public ::testing::Test {
protected:
    void SetUp() override { qvui::ClearAskedDialogs(); }
    void TearDown() override { qvui::ClearAskedDialogs(); }
};

TEST_F(DialogLayer, QueuedAnswersComeFirstInOrderThenDefaults)
{
    qvui::SetNextAnswer(qvui::IDCANCEL);
    qvui::SetNextAnswer(qvui::IDNO);
    EXPECT_EQ(qvui::MessageBox(nullptr, QStringLiteral("first"), qvui::MB_OKCANCEL), qvui::IDCANCEL);
    EXPECT_EQ(qvui::MessageBox(nullptr, QStringLiteral("second"), qvui::MB_YESNO), qvui::IDNO);
    EXPECT_EQ(qvui::MessageBox(nullptr, QStringLiteral("third"), qvui::MB_OKCANCEL), qvui::IDOK);
    EXPECT_EQ(qvui::MessageBox(nullptr, QStringLiteral("fourth"), qvui::MB_YESNO | qvui::MB_DEFBUTTON2), qvui::IDNO);
    ASSERT_EQ(qvui::AskedDialogs().size(), 4u);
    EXPECT_EQ(qvui::AskedDialogs()[0].text, QStringLiteral("first"));
    EXPECT_EQ(qvui::AskedDialogs()[1].type, qvui::MB_YESNO);
}

TEST_F(DialogLayer, TextIsShownAsItStands)
{
    EXPECT_EQ(qvui::MessageBox(nullptr, QStringLiteral("task %s %n 100%")), qvui::IDOK);
    EXPECT_EQ(qvui::AskedDialogs().back().text, QStringLiteral("task %s %n 100%"));
}

TEST_F(DialogLayer, FolderAndFileAnswers)
{
    qvui::SetNextFolder(QStringLiteral("/tmp/conf"));
    qvui::SetNextFileName(QStringLiteral("/tmp/conf/config.c"));
    EXPECT_EQ(qvui::BrowseForFolder(nullptr, QStringLiteral("Pick"), QString()), QStringLiteral("/tmp/conf"));
    EXPECT_EQ(qvui::GetOpenFileName(nullptr, QStringLiteral("C(*.c)|*.c||"), QStringLiteral("c"), QString()),
              QStringLiteral("/tmp/conf/config.c"));
    // Nothing queued: cancelled.
    EXPECT_TRUE(qvui::BrowseForFolder(nullptr, QStringLiteral("Again"), QString()).isEmpty());
    ASSERT_EQ(qvui::AskedDialogs().size(), 3u);
    EXPECT_EQ(qvui::AskedDialogs()[0].kind, qvui::AskedDialog::kFolder);
    EXPECT_EQ(qvui::AskedDialogs()[1].kind, qvui::AskedDialog::kOpenFile);
    EXPECT_EQ(qvui::AskedDialogs()[1].text, QStringLiteral("C(*.c)|*.c||"));
}

TEST(FileFilter, PairsBecomeQtNameFilters)
{
    EXPECT_EQ(qvui::ConvertFilter(QStringLiteral("config file(*.c)|*.c|All files(*.*)|*.*||")),
              (QStringList{"config file(*.c)", "All files(*.*)"}));
    EXPECT_EQ(qvui::ConvertFilter(QStringLiteral("Definition|*.def|")), (QStringList{"Definition (*.def)"}));
    EXPECT_EQ(qvui::ConvertFilter(QStringLiteral("Sources|*.c;*.h||")), (QStringList{"Sources (*.c *.h)"}));
    EXPECT_TRUE(qvui::ConvertFilter(QString()).isEmpty());
}

}  // namespace
