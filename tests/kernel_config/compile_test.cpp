// The generated config.c and kinit.c must be valid C: each is compiled with the system's C compiler
// (syntax only) against a small stand-in for the kernel header, for every CPU type, with every object kind
// off and with every kind on at full size. Skipped when no C compiler is installed.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "conf_info.h"
#include "cpu_types.h"
#include "test_util.h"
#include "writer.h"

namespace {

// The first of cc, gcc, clang found on PATH, "" when none.
std::string FindCompiler()
{
    const char* path = std::getenv("PATH");
    if (path == nullptr) return std::string();
    for (const char* name : {"cc", "gcc", "clang"}) {
        std::stringstream dirs(path);
        std::string dir;
        while (std::getline(dirs, dir, ':')) {
            if (dir.empty()) continue;
            const std::string candidate = dir + "/" + name;
            if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        }
    }
    return std::string();
}

// The kernel's types, attribute words and calls, as far as the generated files use them. It takes the
// object switches from the generated qvos.def, as the kernel's own header does.
const char kStubHeader[] =
    "#ifndef QVOS_H\n#define QVOS_H\n"
    "typedef signed char B; typedef unsigned char UB; typedef short H; typedef unsigned short UH;\n"
    "typedef int W; typedef unsigned int UW;\n"
    "typedef struct { void *sp; } TCBSP;\n"
    "typedef struct { void (*entry)(void); } TCBADDR;\n"
    "typedef struct { UB head; UB tail; } IDQUE;\n"
    "#define CTCB_ST_RDY 0x00u\n#define CTCB_ST_SLP 0x01u\n"
    "#define KNL_BB_PRIORITY\n#define KNL_BB_WUPCNT\n#define KNL_BB_SYSTIME\n#define KNL_BB_CYCHDR\n"
    "#define KNL_BB_EVTFLG\n#define KNL_BB_SEMAPHORE\n#define KNL_BB_DATAQUE\n"
    "#include \"qvos.def\"\n"
    "#define EVFLG_TA_OR 0x00u\n#define EVFLG_TA_AND 0x04u\n#define EVFLG_TA_CLR 0x02u\n"
    "#define EVFLG_TA_TPRI 0x00u\n#define EVFLG_TA_TFIFO 0x01u\n"
    "#define SEM_TA_TPRI 0x00u\n#define SEM_TA_TFIFO 0x01u\n"
    "#define DTQ_TA_TPRI 0x00u\n#define DTQ_TA_TFIFO 0x01u\n"
    "#define CYC_TA_NON 0x00u\n#define CYC_TA_STA 0x01u\n"
    "void systim_init(void); void evtflg_init(void); void sem_init(void); void cyc_init(void); void dtq_init(void);\n"
    "void EVTFLG_ATTR(UB id, UB attr);\n"
    "void SEM_ATTR(UB id, UB count, UB attr);\n"
    "void CYC_ATTR(UB id, UB attr, void (*handler)(UB), W time);\n"
    "void DTQ_ATTR(UB id, UB attr, B size, W *buffer);\n"
    "#endif\n";

struct CompileResult {
    int status;
    std::string output;
};

CompileResult CompileSyntax(const std::string& cc, const testutil::TempDir& dir, const std::string& file, int intMode)
{
    const std::string log = dir.File(file + ".log");
    // The interrupt mode of the H8S families comes from the kernel build; pass the one the configuration uses.
    const std::string cmd = "'" + cc + "' -fsyntax-only -std=c99 -Werror=implicit-function-declaration "
                            "-Werror=incompatible-pointer-types -Werror=int-conversion -DH8S_INTMODE=" +
                            std::to_string(intMode) + " -DH8SX_INTMODE=" + std::to_string(intMode) + " -I'" +
                            dir.Path() + "' '" + dir.File(file) + "' >'" + log + "' 2>&1";
    const int raw = std::system(cmd.c_str());
    const int status = (raw != -1 && WIFEXITED(raw)) ? WEXITSTATUS(raw) : -1;
    return CompileResult{status, testutil::ReadBytes(log)};
}

void AllKindsOnAtFullSize(CCData_conf_info& conf)
{
    conf.m_tsk.m_nTskNum = kMaxObjects;
    conf.m_tsk.m_nTskPriNum = 64;
    for (int id = 1; id <= kMaxObjects; ++id) {
        conf.m_tsk.SetTskData(id, id % 2, conf.m_cpu.GetDefStackSize() + 4 * (id % 3), conf.m_tsk.GetTskFunc(id));
        conf.m_sem.SetSemData(id, id % 2, id % 5);
        conf.m_dtq.SetDtqData(id, id % 2, id % 4);
        conf.m_cyc.SetCycData(id, id % 2, conf.m_cyc.GetCycFunc(id), 10 * id);
        conf.m_flg.m_nFlgAttr[id - 1] = id % 8;
    }
    conf.m_flg.m_nFlgNum = conf.m_sem.m_nSemNum = conf.m_dtq.m_nDtqNum = conf.m_cyc.m_nCycNum = kMaxObjects;
    conf.m_flg.SetUse(1);
    conf.m_sem.SetUse(1);
    conf.m_dtq.SetUse(1);
    conf.m_tim.SetUse(1);
    conf.m_cyc.SetUse(1);
}

class GeneratedSourcesCompile : public ::testing::TestWithParam<bool> {};

TEST_P(GeneratedSourcesCompile, ForEveryCpuType)
{
    const std::string cc = FindCompiler();
    if (cc.empty()) GTEST_SKIP() << "no C compiler on PATH";
    const bool allOn = GetParam();
    for (int type = 0; type < kCpuTypeCount; ++type) {
        CCData_conf_info conf;
        conf.m_cpu.SetCpuType(type);
        if (allOn) AllKindsOnAtFullSize(conf);
        const KernelFileTexts texts = MakeKernelFileTexts(conf, 2026, 12, 6);
        testutil::TempDir dir;
        ASSERT_FALSE(dir.Path().empty());
        testutil::WriteBytes(dir.File("qvos.h"), kStubHeader);
        testutil::WriteBytes(dir.File("config.c"), texts.config);
        testutil::WriteBytes(dir.File("qvos.def"), texts.def);
        testutil::WriteBytes(dir.File("kinit.c"), texts.kinit);
        const int intMode = conf.m_cpu.m_nCpuMode > 0 ? conf.m_cpu.m_nCpuMode - 1 : 0;
        for (const char* file : {"config.c", "kinit.c"}) {
            const CompileResult r = CompileSyntax(cc, dir, file, intMode);
            EXPECT_EQ(0, r.status) << "CPU type " << type << ", " << file << ":\n" << r.output;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ObjectKinds, GeneratedSourcesCompile, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? std::string("AllOn") : std::string("AllOff"); });

// The check above must be able to fail: a broken line in the closing tables is reported.
TEST(GeneratedSourcesCompileCheck, ABrokenFileIsReported)
{
    const std::string cc = FindCompiler();
    if (cc.empty()) GTEST_SKIP() << "no C compiler on PATH";
    CCData_conf_info conf;
    KernelFileTexts texts = MakeKernelFileTexts(conf, 2026, 12, 6);
    texts.config += "UB knl_broken[;\r\n";
    testutil::TempDir dir;
    testutil::WriteBytes(dir.File("qvos.h"), kStubHeader);
    testutil::WriteBytes(dir.File("qvos.def"), texts.def);
    testutil::WriteBytes(dir.File("config.c"), texts.config);
    EXPECT_NE(0, CompileSyntax(cc, dir, "config.c", 0).status);
}

}  // namespace
