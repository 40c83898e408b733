// Shared set-up of the analyser tests: a document whose start folder is a temporary folder of its own, and
// a switch to the Shift-JIS code page that is undone after the test.
#pragma once

#include <gtest/gtest.h>

#include "doc.h"
#include "test_util.h"
#include "text.h"

class AnalyserTest : public ::testing::Test {
protected:
    CCData_conf_info& Conf() { return m_doc.m_confInfo; }

    testutil::TempDir m_dir;
    CQuorvaneConfiguratorDoc m_doc{m_dir.Path()};
};

class ShiftJisAnalyserTest : public AnalyserTest {
protected:
    void SetUp() override { mbtext::SetCodePage(mbtext::CodePage::ShiftJis); }
    void TearDown() override { mbtext::SetCodePage(mbtext::CodePage::SingleByte); }
};
