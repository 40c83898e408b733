// The writer of the three kernel files: one date for all three, each text built whole in memory from the
// block generators, then each file written in one piece; the files that could not be written come back as a mask.
#include "writer.h"

#include "doc.h"
#include "file_io.h"
#include "templates.h"
#include "text.h"

std::string MakeCreateDate(int year, int month, int day)
{
    // Fixed English names: the files look the same whatever language the editor runs in.
    static const char* const kMonth[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* name = (month >= 1 && month <= 12) ? kMonth[month - 1] : "";
    return mbtext::Format("%s %02d, %d", {name, day, year});
}

std::string MakeConfigText(const CCData_conf_info& conf, const std::string& year, const std::string& date)
{
    const CCData_conf_info_cpu& cpu = conf.m_cpu;
    const CCData_conf_info_tsk& tsk = conf.m_tsk;
    std::string text = mbtext::Format(qvtmpl::GetTemplate(qvtmpl::IDT_CFG_HEADER), {year, cpu.GetCpuName(), date});
    text += cpu.GetSectionRl78();
    text += qvtmpl::GetTemplate(qvtmpl::IDT_CFG_INCLUDE);
    text += cpu.GetSectionR8c();
    text += cpu.MakeKernelMask();
    text += tsk.MakeTcbNumDef();
    text += tsk.MakeTcbSizeDef();
    text += cpu.GetSectionUstack();
    text += tsk.MakeTcbStack(cpu.GetTcbStackFmt());
    text += cpu.GetSectionOs();
    text += tsk.MakeTcbSpInit(cpu.GetTcbSpInitFmt());
    text += tsk.MakeTcbStartExtern();
    text += tsk.MakeTcbAddrInit();
    text += tsk.MakeTcbStInit();
    text += conf.m_tim.MakeSysTimDef();
    text += conf.m_flg.MakeFlgNumDef();
    text += conf.m_sem.MakeSemNumDef();
    text += conf.m_cyc.MakeCycNumDef();
    text += conf.m_dtq.MakeDtqNumDef();
    text += cpu.GetOsTrailer();
    return text;
}

std::string MakeDefText(const CCData_conf_info& conf, const std::string& year, const std::string& date)
{
    std::string text = mbtext::Format(qvtmpl::GetTemplate(qvtmpl::IDT_DEF_HEADER), {year, date});
    text += conf.m_flg.MakeUseDef();
    text += conf.m_sem.MakeUseDef();
    text += conf.m_tim.MakeUseDef();
    text += conf.m_cyc.MakeUseDef();
    text += conf.m_dtq.MakeUseDef();
    text += qvtmpl::GetTemplate(qvtmpl::IDT_DEF_TAIL);
    return text;
}

std::string MakeKinitText(const CCData_conf_info& conf, const std::string& year, const std::string& date)
{
    const CCData_conf_info_cpu& cpu = conf.m_cpu;
    std::string text = mbtext::Format(qvtmpl::GetTemplate(qvtmpl::IDT_KINIT_HEADER), {year, date});
    text += cpu.GetSectionRl78();
    text += qvtmpl::GetTemplate(qvtmpl::IDT_KINIT_INCLUDE);
    text += cpu.GetSectionR8c();
    text += cpu.GetSectionOs();
    text += conf.m_cyc.MakeCycExtern();
    text += cpu.GetSectionOsW();
    text += conf.m_dtq.MakeDtqBuffer();
    text += cpu.GetSectionOs();
    text += qvtmpl::GetTemplate(qvtmpl::IDT_KINIT_HEAD);
    text += conf.m_tim.MakeKinit();
    text += conf.m_flg.MakeKinit();
    text += conf.m_sem.MakeKinit();
    text += conf.m_cyc.MakeKinit();
    text += conf.m_dtq.MakeKinit();
    text += "}\r\n\r\n";
    return text;
}

KernelFileTexts MakeKernelFileTexts(const CCData_conf_info& conf, int year, int month, int day)
{
    const std::string yearText = mbtext::Format("%d", {year});
    const std::string date = MakeCreateDate(year, month, day);
    return KernelFileTexts{MakeConfigText(conf, yearText, date), MakeDefText(conf, yearText, date),
                           MakeKinitText(conf, yearText, date)};
}

int WriteKernelFiles(const CCData_conf_info& conf, const std::string& configPath, const std::string& defPath,
                     const std::string& kinitPath, int year, int month, int day)
{
    // Each text is complete before its file is touched; a failed file does not stop the others.
    const KernelFileTexts texts = MakeKernelFileTexts(conf, year, month, day);
    int mask = 0;
    if (CQuorvaneConfiguratorDoc::WriteStringToFile(configPath, texts.config) != 1) mask |= 1;
    if (CQuorvaneConfiguratorDoc::WriteStringToFile(defPath, texts.def) != 1) mask |= 2;
    if (CQuorvaneConfiguratorDoc::WriteStringToFile(kinitPath, texts.kinit) != 1) mask |= 4;
    return mask;
}

int CQuorvaneConfiguratorDoc::WriteConfigFiles(std::string configPath, std::string defPath, std::string kinitPath)
{
    // One reading of the clock, so all three files carry the same date even across midnight.
    const fsys::Date today = fsys::LocalToday();
    return WriteKernelFiles(m_confInfo, configPath, defPath, kinitPath, today.year, today.month, today.day);
}
