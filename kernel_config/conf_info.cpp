// Defaults, resets and setters of the configuration records.
#include "conf_info.h"

#include "text.h"

CCData_conf_info_cpu::CCData_conf_info_cpu() : m_nCpuType(1), m_nCpuMode(1), m_nMaskLevel(1), m_nStackAlign(4)
{
    InitData();
}

void CCData_conf_info_cpu::InitData()
{
    SetCpuType(1);
    SetStackAlign();
}

CCData_conf_info_tsk::CCData_conf_info_tsk() { InitData(); }

void CCData_conf_info_tsk::InitData()
{
    m_nTskNum = 3;
    m_nTskPriNum = 0;
    for (int id = 1; id <= kMaxObjects; ++id) {
        m_nTskState[id - 1] = 0;
        m_nStackSize[id - 1] = 128;
        m_strTskFunc[id - 1] = mbtext::Format("tsk%02d", {id});
        m_nTskSet[id - 1] = 0;
    }
}

void CCData_conf_info_tsk::SetTskData(int id, int state, int stackSize, const std::string& name)
{
    m_nTskState[id - 1] = state;
    m_nStackSize[id - 1] = stackSize;
    m_strTskFunc[id - 1] = name;
    m_nTskSet[id - 1] = 1;
}

CCData_conf_info_flg::CCData_conf_info_flg() { InitData(); }

void CCData_conf_info_flg::InitData()
{
    m_nUse = 0;
    m_nFlgNum = 1;
    m_nFlgAttr.fill(0);
    m_nFlgSet.fill(0);
}

CCData_conf_info_sem::CCData_conf_info_sem() { InitData(); }

void CCData_conf_info_sem::InitData()
{
    m_nUse = 0;
    m_nSemNum = 1;
    m_nSemAttr.fill(0);
    m_nSemCnt.fill(1);
    m_nSemSet.fill(0);
}

void CCData_conf_info_sem::SetSemData(int id, int attr, int initCount)
{
    m_nSemAttr[id - 1] = attr;
    m_nSemCnt[id - 1] = initCount;
    m_nSemSet[id - 1] = 1;
}

CCData_conf_info_dtq::CCData_conf_info_dtq() { InitData(); }

void CCData_conf_info_dtq::InitData()
{
    m_nUse = 0;
    m_nDtqNum = 1;
    m_nDtqAttr.fill(0);
    m_nDtqCnt.fill(0);
    m_nDtqSet.fill(0);
}

void CCData_conf_info_dtq::SetDtqData(int id, int attr, int dataCount)
{
    m_nDtqAttr[id - 1] = attr;
    m_nDtqCnt[id - 1] = dataCount;
    m_nDtqSet[id - 1] = 1;
}

CCData_conf_info_tim::CCData_conf_info_tim() { InitData(); }

void CCData_conf_info_tim::InitData()
{
    m_nUse = 0;
    m_nCyclicTime = 250;
}

CCData_conf_info_cyc::CCData_conf_info_cyc() { InitData(); }

void CCData_conf_info_cyc::InitData()
{
    m_nUse = 0;
    m_nCycNum = 1;
    for (int id = 1; id <= kMaxObjects; ++id) {
        m_nCycAttr[id - 1] = 0;
        m_strCycFunc[id - 1] = mbtext::Format("cychdr%d", {id});
        m_nCycTime[id - 1] = 1000;
        m_nCycSet[id - 1] = 0;
    }
}

void CCData_conf_info_cyc::SetCycData(int id, int attr, const std::string& name, int cycleTime)
{
    m_nCycAttr[id - 1] = attr;
    m_strCycFunc[id - 1] = name;
    m_nCycTime[id - 1] = cycleTime;
    m_nCycSet[id - 1] = 1;
}

CCData_conf_ini::CCData_conf_ini() { InitData(); }

void CCData_conf_ini::InitData()
{
    m_nRecentNum = 1;
    for (int field = 0; field < kFieldCount; ++field) {
        for (int i = 0; i < kMaxRecent; ++i) m_strRecent[field][i] = field == kDir ? "<NONE>" : "";
    }
}

CCData_winsize_info::CCData_winsize_info() { InitData(); }

void CCData_winsize_info::InitData() { SetWinSize(0, 0, 680, 550, 100, 320); }

void CCData_winsize_info::GetWinSize(int& x, int& y, int& width, int& height, int& barX, int& barY) const
{
    x = m_nX;
    y = m_nY;
    width = m_nWidth;
    height = m_nHeight;
    barX = m_nBarX;
    barY = m_nBarY;
}

void CCData_winsize_info::SetWinSize(int x, int y, int width, int height, int barX, int barY)
{
    m_nX = x;
    m_nY = y;
    m_nWidth = width;
    m_nHeight = height;
    m_nBarX = barX;
    m_nBarY = barY;
}

CCData_conf_info::CCData_conf_info()
{
    m_ini.InitData();
    InitData();
}

void CCData_conf_info::InitData()
{
    m_cpu.InitData();
    m_tsk.InitData();
    m_flg.InitData();
    m_sem.InitData();
    m_dtq.InitData();
    m_tim.InitData();
    m_cyc.InitData();
    m_win.InitData();
}
