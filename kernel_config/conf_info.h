// The in-memory kernel configuration: CPU, tasks, event flags, semaphores, data queues, system time,
// cyclic handlers, plus the editor's recently used configurations and window layout. Fields are public:
// the analysers, generators and panels read and write them directly.
#pragma once

#include <array>
#include <string>

// Every per-object table has this many slots, for ids 1..127; the slot of id n is element n - 1.
constexpr int kMaxObjects = 127;

using IntTable = std::array<int, kMaxObjects>;
using NameTable = std::array<std::string, kMaxObjects>;

class CCData_conf_info_cpu {
public:
    CCData_conf_info_cpu();
    virtual ~CCData_conf_info_cpu() = default;

    void InitData();
    int GetCpuType() const { return m_nCpuType; }
    void SetCpuType(int type);
    void SetCpuMode(int mode);
    void SetStackAlign();
    int GetDefStackSize() const;
    int GetMinStackSize() const;

    // Blocks of the generated files that depend on the CPU.
    std::string GetCpuName() const;
    std::string GetSectionRl78() const;
    std::string GetSectionR8c() const;
    std::string MakeKernelMask() const;
    std::string GetSectionUstack() const;
    std::string GetSectionOs() const;
    std::string GetSectionOsW() const;
    std::string GetTcbStackFmt() const;
    std::string GetTcbSpInitFmt() const;
    std::string GetOsTrailer() const;

    int m_nCpuType;    // 0..30
    int m_nCpuMode;    // 0 = none, else 1..4 by type
    int m_nMaskLevel;  // kernel interrupt mask level
    int m_nStackAlign; // 1, 2 or 4 bytes
};

class CCData_conf_info_tsk {
public:
    CCData_conf_info_tsk();
    virtual ~CCData_conf_info_tsk() = default;

    void InitData();
    int GetTskNum() const { return m_nTskNum; }
    std::string GetTskFunc(int id) const { return m_strTskFunc[id - 1]; }
    void SetTskData(int id, int state, int stackSize, const std::string& name);

    std::string MakeTcbNumDef() const;
    std::string MakeTcbSizeDef() const;
    std::string MakeTcbStack(const std::string& fmt) const;
    std::string MakeTcbSpInit(const std::string& fmt) const;
    std::string MakeTcbStartExtern() const;
    std::string MakeTcbAddrInit() const;
    std::string MakeTcbStInit() const;

    int m_nTskNum;          // 1..127
    int m_nTskPriNum;       // 0..127
    IntTable m_nTskState;   // 0 = ready, 1 = sleeping
    IntTable m_nStackSize;  // bytes
    NameTable m_strTskFunc; // entry function names
    IntTable m_nTskSet;     // user-set flags
};

// Base of the object kinds that can be switched off.
class CCData_conf_info_base {
public:
    CCData_conf_info_base() : m_nUse(0) {}
    virtual ~CCData_conf_info_base() = default;

    int GetUse() const { return m_nUse; }
    void SetUse(int use) { m_nUse = use; }

    int m_nUse;  // 1 = the kind is used and generated
};

class CCData_conf_info_flg : public CCData_conf_info_base {
public:
    CCData_conf_info_flg();

    void InitData();
    std::string MakeFlgNumDef() const;
    std::string MakeUseDef() const;
    std::string MakeKinit() const;

    int m_nFlgNum;        // 1..127
    IntTable m_nFlgAttr;  // 4 = AND wait, 2 = clear on release, 1 = FIFO wait queue
    IntTable m_nFlgSet;
};

class CCData_conf_info_sem : public CCData_conf_info_base {
public:
    CCData_conf_info_sem();

    void InitData();
    void SetSemData(int id, int attr, int initCount);
    std::string MakeSemNumDef() const;
    std::string MakeUseDef() const;
    std::string MakeKinit() const;

    int m_nSemNum;
    IntTable m_nSemAttr;  // 1 = FIFO wait queue
    IntTable m_nSemCnt;   // initial count
    IntTable m_nSemSet;
};

class CCData_conf_info_dtq : public CCData_conf_info_base {
public:
    CCData_conf_info_dtq();

    void InitData();
    void SetDtqData(int id, int attr, int dataCount);
    std::string MakeDtqNumDef() const;
    std::string MakeUseDef() const;
    std::string MakeDtqBuffer() const;
    std::string MakeKinit() const;

    int m_nDtqNum;
    IntTable m_nDtqAttr;  // 1 = FIFO wait queue
    IntTable m_nDtqCnt;   // data count, 0 = no buffer
    IntTable m_nDtqSet;
};

class CCData_conf_info_tim : public CCData_conf_info_base {
public:
    CCData_conf_info_tim();

    void InitData();
    std::string MakeSysTimDef() const;
    std::string MakeUseDef() const;
    std::string MakeKinit() const;

    int m_nCyclicTime;  // milliseconds
};

class CCData_conf_info_cyc : public CCData_conf_info_base {
public:
    CCData_conf_info_cyc();

    void InitData();
    std::string GetCycFunc(int id) const { return m_strCycFunc[id - 1]; }
    void SetCycData(int id, int attr, const std::string& name, int cycleTime);
    std::string MakeCycNumDef() const;
    std::string MakeUseDef() const;
    std::string MakeCycExtern() const;
    std::string MakeKinit() const;

    int m_nCycNum;
    IntTable m_nCycAttr;    // 1 = started at start-up
    NameTable m_strCycFunc; // handler function names
    IntTable m_nCycTime;    // cycle time
    IntTable m_nCycSet;
};

// The recently used configurations: up to three entries, newest first, seven paths each.
class CCData_conf_ini {
public:
    enum Field { kDir, kInConfig, kInDef, kInKinit, kOutConfig, kOutDef, kOutKinit, kFieldCount };
    static constexpr int kMaxRecent = 3;

    CCData_conf_ini();
    virtual ~CCData_conf_ini() = default;

    void InitData();
    void AddRecentConfig(const std::string& dir, const std::string& inConfig, const std::string& inDef,
                         const std::string& inKinit, const std::string& outConfig, const std::string& outDef,
                         const std::string& outKinit);

    std::string GetRecentDir(int i) const { return m_strRecent[kDir][i]; }
    std::string GetRecentInConfig(int i) const { return m_strRecent[kInConfig][i]; }
    std::string GetRecentInDef(int i) const { return m_strRecent[kInDef][i]; }
    std::string GetRecentInKinit(int i) const { return m_strRecent[kInKinit][i]; }
    std::string GetRecentOutConfig(int i) const { return m_strRecent[kOutConfig][i]; }
    std::string GetRecentOutDef(int i) const { return m_strRecent[kOutDef][i]; }
    std::string GetRecentOutKinit(int i) const { return m_strRecent[kOutKinit][i]; }
    void SetRecentDir(int i, const std::string& v) { m_strRecent[kDir][i] = v; }
    void SetRecentInConfig(int i, const std::string& v) { m_strRecent[kInConfig][i] = v; }
    void SetRecentInDef(int i, const std::string& v) { m_strRecent[kInDef][i] = v; }
    void SetRecentInKinit(int i, const std::string& v) { m_strRecent[kInKinit][i] = v; }
    void SetRecentOutConfig(int i, const std::string& v) { m_strRecent[kOutConfig][i] = v; }
    void SetRecentOutDef(int i, const std::string& v) { m_strRecent[kOutDef][i] = v; }
    void SetRecentOutKinit(int i, const std::string& v) { m_strRecent[kOutKinit][i] = v; }

    // Field-major: all three entries of the folder, then of the input config.c path, and so on.
    std::string m_strRecent[kFieldCount][kMaxRecent];
    int m_nRecentNum;  // 1..3; an empty list is one entry whose folder is "<NONE>"
};

// Frame rectangle and drag-bar positions, in pixels.
class CCData_winsize_info {
public:
    CCData_winsize_info();
    virtual ~CCData_winsize_info() = default;

    void InitData();
    void GetWinSize(int& x, int& y, int& width, int& height, int& barX, int& barY) const;
    void SetWinSize(int x, int y, int width, int height, int barX, int barY);

    int m_nX, m_nY, m_nWidth, m_nHeight, m_nBarX, m_nBarY;
};

// The whole configuration; members are constructed in this order.
class CCData_conf_info {
public:
    CCData_conf_info();
    virtual ~CCData_conf_info() = default;

    // Resets everything but the recent list.
    void InitData();

    CCData_conf_ini m_ini;
    CCData_conf_info_cpu m_cpu;
    CCData_conf_info_tsk m_tsk;
    CCData_conf_info_flg m_flg;
    CCData_conf_info_sem m_sem;
    CCData_conf_info_dtq m_dtq;
    CCData_conf_info_tim m_tim;
    CCData_conf_info_cyc m_cyc;
    CCData_winsize_info m_win;
};
