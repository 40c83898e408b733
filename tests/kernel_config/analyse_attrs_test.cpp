// Tests of the four attribute-call walkers of kinit.c and their entry routines.
#include <string>

#include <gtest/gtest.h>

#include "analyser_fixture.h"

namespace {

using FlgAttr = AnalyserTest;
using SemAttr = AnalyserTest;
using DtqAttr = AnalyserTest;
using CycAttr = AnalyserTest;
using AttrWalk = AnalyserTest;
using ShiftJisAttr = ShiftJisAnalyserTest;

TEST_F(FlgAttr, WrittenWordsGiveTheAttributeBits)
{
    Conf().m_flg.m_nFlgNum = 4;
    EXPECT_EQ(m_doc.AnalyzeFlgAttr("    EVTFLG_ATTR((UB)1u, (EVFLG_TA_AND | EVFLG_TA_CLR | EVFLG_TA_TPRI));\r\n"
                                   "    EVTFLG_ATTR((UB)2u, (EVFLG_TA_OR  | EVFLG_TA_CLR | EVFLG_TA_TFIFO));\r\n"
                                   "    EVTFLG_ATTR((UB)3u, (EVFLG_TA_OR  |                EVFLG_TA_TPRI ));\r\n"
                                   "    EVTFLG_ATTR((UB)4u, (EVFLG_TA_AND |                EVFLG_TA_TFIFO));\r\n"),
              1);
    const int expected[] = {6, 3, 0, 5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Conf().m_flg.m_nFlgAttr[i], expected[i]);
        EXPECT_EQ(Conf().m_flg.m_nFlgSet[i], 1);
    }
}

TEST_F(FlgAttr, EachPairNeedsExactlyOneWord)
{
    const char* rejected[] = {
        "(UB)1u, (EVFLG_TA_AND | EVFLG_TA_OR | EVFLG_TA_TPRI)",
        "(UB)1u, (EVFLG_TA_CLR | EVFLG_TA_TPRI)",
        "(UB)1u, (EVFLG_TA_AND | EVFLG_TA_TPRI | EVFLG_TA_TFIFO)",
        "(UB)1u, (EVFLG_TA_AND)",
        "(UB)1u, (evflg_ta_and | evflg_ta_tpri)",
    };
    for (const char* args : rejected) {
        SCOPED_TRACE(args);
        EXPECT_EQ(m_doc.AnalyzeFlgAttrEntry(args), 0);
        EXPECT_EQ(Conf().m_flg.m_nFlgSet[0], 0);
    }
    EXPECT_EQ(m_doc.AnalyzeFlgAttrEntry("(UB)1u, EVFLG_TA_TFIFO|EVFLG_TA_AND"), 1);
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[0], 5);
}

TEST_F(SemAttr, InitialCountAndQueueOrder)
{
    Conf().m_sem.m_nSemNum = 3;
    EXPECT_EQ(m_doc.AnalyzeSemAttr("    SEM_ATTR((UB)1u, 1, SEM_TA_TPRI );\r\n"
                                   "    SEM_ATTR((UB)2u, 0, SEM_TA_TFIFO);\r\n"
                                   "    SEM_ATTR((UB)3u, (UB)-4, SEM_TA_TFIFO);\r\n"),
              1);
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[0], 1);
    EXPECT_EQ(Conf().m_sem.m_nSemAttr[0], 0);
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[1], 0);
    EXPECT_EQ(Conf().m_sem.m_nSemAttr[1], 1);
    // Counts are stored as read, a cast dropped first.
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[2], -4);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[2], 1);
}

TEST_F(SemAttr, WrongNumberOfArgumentsIsRejected)
{
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry("(UB)1u, 1, SEM_TA_TPRI, 5"), 0);
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry("(UB)1u, SEM_TA_TPRI"), 0);
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry("(UB)1u, , SEM_TA_TPRI"), 0);
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry("(UB)1u, (UB), SEM_TA_TPRI"), 0);
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry("(UB)1u, 2, SEM_TA_TPRI SEM_TA_TFIFO"), 0);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[0], 0);
    std::string many = "(UB)1u";
    for (int i = 0; i < 500; ++i) many += ", 1";
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry(many), 0);
}

TEST_F(DtqAttr, DataCountComesFromTheSizeDefine)
{
    EXPECT_EQ(m_doc.AnalyzeDtqAttr("#define DTQ1_SIZE  4\r\n"
                                   "    DTQ_ATTR((UB)1u,(UB)DTQ_TA_TFIFO,(B)DTQ1_SIZE, knl_dtq1);\r\n"),
              1);
    EXPECT_EQ(Conf().m_dtq.m_nDtqAttr[0], 1);
    EXPECT_EQ(Conf().m_dtq.m_nDtqCnt[0], 4);
    EXPECT_EQ(Conf().m_dtq.m_nDtqSet[0], 1);
}

TEST_F(DtqAttr, SizeZeroIsStoredAndTheBufferIsNotLookedAt)
{
    EXPECT_EQ(m_doc.AnalyzeDtqAttr("#define DTQ2_SIZE  0\r\n"
                                   "    DTQ_ATTR((UB)2u, (UB)DTQ_TA_TPRI,  (B)DTQ2_SIZE, 0);\r\n"),
              1);
    EXPECT_EQ(Conf().m_dtq.m_nDtqAttr[1], 0);
    EXPECT_EQ(Conf().m_dtq.m_nDtqCnt[1], 0);
    EXPECT_EQ(Conf().m_dtq.m_nDtqSet[1], 1);
}

TEST_F(DtqAttr, MissingOrUnendedOrCommentedSizeDefineRejectsTheCall)
{
    const std::string call = "DTQ_ATTR((UB)1u,(UB)DTQ_TA_TFIFO,(B)DTQ1_SIZE, knl_dtq1);\r\n";
    EXPECT_EQ(m_doc.AnalyzeDtqAttr(call), 0);
    EXPECT_EQ(m_doc.AnalyzeDtqAttr("/* #define DTQ1_SIZE  1 */\r\n" + call), 0);
    EXPECT_EQ(m_doc.AnalyzeDtqAttr(call + "#define DTQ1_SIZE  4"), 0);
    EXPECT_EQ(Conf().m_dtq.m_nDtqSet[0], 0);
    EXPECT_EQ(m_doc.AnalyzeDtqAttr(call + "#define DTQ1_SIZE  4\r\n"), 1);
    EXPECT_EQ(Conf().m_dtq.m_nDtqCnt[0], 4);
}

TEST_F(DtqAttr, EntryLooksTheSizeUpInTheTextItIsGiven)
{
    EXPECT_EQ(m_doc.AnalyzeDtqAttrEntry("(UB)3u, DTQ_TA_TPRI, DTQ3_SIZE, 0", "#define DTQ3_SIZE 9\r\n"), 1);
    EXPECT_EQ(Conf().m_dtq.m_nDtqCnt[2], 9);
    EXPECT_EQ(m_doc.AnalyzeDtqAttrEntry("(UB)4u, DTQ_TA_TPRI, DTQ4_SIZE", "#define DTQ4_SIZE 9\r\n"), 0);
}

TEST_F(CycAttr, HandlerNameAndCycleTime)
{
    Conf().m_cyc.m_nCycNum = 2;
    EXPECT_EQ(m_doc.AnalyzeCycAttr("    CYC_ATTR((UB)2u, (CYC_TA_NON), cychdr2, 5000L);\r\n"
                                   "    CYC_ATTR((UB)1u, (CYC_TA_STA), on_tick, 0L);\r\n"),
              1);
    EXPECT_EQ(Conf().m_cyc.m_nCycAttr[1], 0);
    EXPECT_EQ(Conf().m_cyc.m_strCycFunc[1], "cychdr2");
    EXPECT_EQ(Conf().m_cyc.m_nCycTime[1], 5000);
    EXPECT_EQ(Conf().m_cyc.m_nCycAttr[0], 1);
    EXPECT_EQ(Conf().m_cyc.m_strCycFunc[0], "on_tick");
    EXPECT_EQ(Conf().m_cyc.m_nCycTime[0], 0);
}

TEST_F(CycAttr, EmptyFieldsAreRejectedButNamesAreNotChecked)
{
    EXPECT_EQ(m_doc.AnalyzeCycAttrEntry("(UB)1u, (CYC_TA_STA), , 1000L"), 0);
    EXPECT_EQ(m_doc.AnalyzeCycAttrEntry("(UB)1u, (CYC_TA_STA), f, "), 0);
    EXPECT_EQ(m_doc.AnalyzeCycAttrEntry("(UB)1u, (CYC_TA_STA | CYC_TA_NON), f, 1"), 0);
    EXPECT_EQ(m_doc.AnalyzeCycAttrEntry("(UB)1u, (CYC_TA_STA), %s%n 9bad, 1"), 1);
    EXPECT_EQ(Conf().m_cyc.m_strCycFunc[0], "%s%n 9bad");
    const std::string longName(5000, 'h');
    EXPECT_EQ(m_doc.AnalyzeCycAttrEntry("(UB)2u, (CYC_TA_NON), " + longName + ", 1"), 1);
    EXPECT_EQ(Conf().m_cyc.m_strCycFunc[1], longName);
}

TEST_F(AttrWalk, IdsOutsideTheTablesAreRejected)
{
    const char* ids[] = {"(UB)0u", "(UB)200u", "(UB)128u", "(UB)-1", "(UB)99999999999u", "(UB)4294967297u", "(UB)", ""};
    for (const char* id : ids) {
        SCOPED_TRACE(id);
        EXPECT_EQ(m_doc.AnalyzeSemAttrEntry(std::string(id) + ", 1, SEM_TA_TPRI"), 0);
        EXPECT_EQ(m_doc.AnalyzeFlgAttrEntry(std::string(id) + ", EVFLG_TA_OR | EVFLG_TA_TPRI"), 0);
        EXPECT_EQ(m_doc.AnalyzeCycAttrEntry(std::string(id) + ", CYC_TA_STA, f, 1"), 0);
        EXPECT_EQ(m_doc.AnalyzeDtqAttrEntry(std::string(id) + ", DTQ_TA_TPRI, S, 0", "#define S 1\r\n"), 0);
    }
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry("(UB)127u, 1, SEM_TA_TPRI"), 1);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[126], 1);
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry(" ( UB ) 7u , 1, SEM_TA_TPRI"), 1);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[6], 1);
}

TEST_F(AttrWalk, IdAboveTheCountIsStored)
{
    Conf().m_sem.m_nSemNum = 2;
    EXPECT_EQ(m_doc.AnalyzeSemAttr("SEM_ATTR((UB)5u, 3, SEM_TA_TFIFO);\r\n"), 1);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[4], 1);
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[4], 3);
}

TEST_F(AttrWalk, FirstCallForAnIdWinsAndOnlyTheLastResultCounts)
{
    EXPECT_EQ(m_doc.AnalyzeSemAttr("SEM_ATTR((UB)1u, 3, SEM_TA_TFIFO);\r\nSEM_ATTR((UB)1u, 4, SEM_TA_TPRI);\r\n"), 0);
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[0], 3);
    EXPECT_EQ(Conf().m_sem.m_nSemAttr[0], 1);
    // Rejected, then accepted: 1.
    EXPECT_EQ(m_doc.AnalyzeSemAttr("SEM_ATTR((UB)1u, 3, SEM_TA_TFIFO);\r\nSEM_ATTR((UB)1u, 4, SEM_TA_TPRI);\r\n"
                                   "SEM_ATTR((UB)2u, 5, SEM_TA_TPRI);\r\n"),
              1);
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[1], 5);
}

TEST_F(AttrWalk, EachWalkStartsByClearingTheFlagsUpToTheCount)
{
    Conf().m_flg.m_nFlgNum = 2;
    Conf().m_flg.m_nFlgSet[0] = 1;
    Conf().m_flg.m_nFlgSet[1] = 1;
    Conf().m_flg.m_nFlgSet[2] = 1;
    EXPECT_EQ(m_doc.AnalyzeFlgAttr("EVTFLG_ATTR((UB)1u, (EVFLG_TA_OR | EVFLG_TA_TPRI));\r\n"), 1);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[0], 1);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[1], 0);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[2], 1);
    // A second load of the same file is not refused as a repeated id.
    EXPECT_EQ(m_doc.AnalyzeFlgAttr("EVTFLG_ATTR((UB)1u, (EVFLG_TA_OR | EVFLG_TA_TPRI));\r\n"), 1);
}

TEST_F(AttrWalk, CallThatCannotBeDelimitedEndsTheWalk)
{
    Conf().m_cyc.m_nCycNum = 3;
    const std::string first = "CYC_ATTR((UB)1u, CYC_TA_STA, a, 1);\r\n";
    const std::string third = "CYC_ATTR((UB)3u, CYC_TA_STA, c, 1);\r\n";
    EXPECT_EQ(m_doc.AnalyzeCycAttr(first + "CYC_ATTR((UB)2u, CYC_TA_STA, b, 1"), 0);
    EXPECT_EQ(Conf().m_cyc.m_nCycSet[0], 1);
    // No ")" before the ";": the walk stops, the third call is not read.
    EXPECT_EQ(m_doc.AnalyzeCycAttr(first + "CYC_ATTR(2u, CYC_TA_STA, b, 1;\r\n" + third), 0);
    EXPECT_EQ(Conf().m_cyc.m_nCycSet[0], 1);
    EXPECT_EQ(Conf().m_cyc.m_nCycSet[2], 0);
    // With the cast's ")" the call is merely rejected and the walk goes on.
    EXPECT_EQ(m_doc.AnalyzeCycAttr(first + "CYC_ATTR((UB)2u, CYC_TA_STA, b, 1;\r\n" + third), 1);
    EXPECT_EQ(Conf().m_cyc.m_nCycSet[1], 0);
    EXPECT_EQ(Conf().m_cyc.m_nCycSet[2], 1);
    EXPECT_EQ(m_doc.AnalyzeCycAttr(first + "CYC_ATTR"), 0);
}

TEST_F(AttrWalk, CommentedOutSamplesAreNotCalls)
{
    const std::string text = "/*  evtflg_init();  */\r\n"
                             "/*  EVTFLG_ATTR((UB)1u, (EVFLG_TA_AND | EVFLG_TA_CLR | EVFLG_TA_TPRI));  */\r\n"
                             "/*  SEM_ATTR((UB)1u, 1, SEM_TA_TPRI);  */\r\n"
                             "/*  CYC_ATTR((UB)1u, (CYC_TA_STA), cychdr1, 1000L); */\r\n"
                             "/*  DTQ_ATTR((UB)1u,(UB)DTQ_TA_TFIFO,(B)DTQ1_SIZE, knl_dtq1); */\r\n"
                             "// SEM_ATTR((UB)1u, 1, SEM_TA_TPRI);\r\n";
    EXPECT_EQ(m_doc.AnalyzeFlgAttr(text), 1);
    EXPECT_EQ(m_doc.AnalyzeSemAttr(text), 1);
    EXPECT_EQ(m_doc.AnalyzeDtqAttr(text), 1);
    EXPECT_EQ(m_doc.AnalyzeCycAttr(text), 1);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[0] + Conf().m_sem.m_nSemSet[0] + Conf().m_dtq.m_nDtqSet[0] +
                  Conf().m_cyc.m_nCycSet[0],
              0);
    EXPECT_EQ(m_doc.AnalyzeSemAttr(""), 1);
}

TEST_F(AttrWalk, LongerIdentifierHoldingTheCallNameCountsAsACall)
{
    EXPECT_EQ(m_doc.AnalyzeSemAttr("MY_SEM_ATTR((UB)4u, 2, SEM_TA_TPRI);\r\n"), 1);
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[3], 2);
}

TEST_F(AttrWalk, ArgumentsEndAtTheLastParenthesisBeforeTheSemicolon)
{
    // The first ";" ends the call; what follows it is not part of the arguments.
    EXPECT_EQ(m_doc.AnalyzeSemAttr("SEM_ATTR((UB)1u, 1, SEM_TA_TPRI); x);\r\n"), 1);
    EXPECT_EQ(m_doc.AnalyzeSemAttr("SEM_ATTR(1, 1, SEM_TA_TPRI;\r\n"), 0);
}

TEST_F(AttrWalk, HundredsOfCallsAndArgumentsDoNoHarm)
{
    std::string text;
    for (int id = -5; id < 300; ++id) {
        text += "SEM_ATTR((UB)" + std::to_string(id) + "u, " + std::to_string(id) + ", SEM_TA_TFIFO);\r\n";
    }
    std::string many = "SEM_ATTR(";
    for (int i = 0; i < 1000; ++i) many += "(UB)1u, ";
    text += many + ");\r\n";
    EXPECT_EQ(m_doc.AnalyzeSemAttr(text), 0);
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[0], 1);
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[126], 127);
}

TEST_F(ShiftJisAttr, DoubleByteNamesKeepTheirBytes)
{
    // Second bytes 0x5C and 0x7C are a backslash and a bar in a single-byte page.
    const std::string name = "\x83\x5C\x83\x7C";
    EXPECT_EQ(m_doc.AnalyzeCycAttr("CYC_ATTR((UB)1u, (CYC_TA_STA), " + name + ", 10L);\r\n"), 1);
    EXPECT_EQ(Conf().m_cyc.m_strCycFunc[0], name);
}

TEST_F(ShiftJisAttr, WordBehindALeadByteIsNotAWord)
{
    // 0x83 'S' is one character, so no "SEM_TA_TPRI" begins at that "S".
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry("(UB)1u, 1, \x83SEM_TA_TPRI"), 0);
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
    EXPECT_EQ(m_doc.AnalyzeSemAttrEntry("(UB)1u, 1, \x83SEM_TA_TPRI"), 1);
}

}  // namespace
