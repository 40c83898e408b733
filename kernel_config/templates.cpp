// The texts of the kernel-file templates, byte for byte: every blank counts and every line ends in CR LF.
#include "templates.h"

#include <map>

namespace qvtmpl {
namespace {

// The maker's notice of the two header kinds; its one placeholder takes the year.
#define QV_BANNER_TOP                                                            \
    "/*********************************************************************\r\n" \
    " * Quorvane OS V3\r\n"                                                      \
    " * \r\n"                                                                    \
    " * Copyright (C) Pellaron, Inc. 2008-%s\r\n"                                \
    " * All rights reserved.\r\n"                                                \
    " *********************************************************************\r\n"
#define QV_BANNER_BOTTOM                                                         \
    " *********************************************************************\r\n" \
    " */\r\n"

const std::map<int, std::string>& Table()
{
    static const std::map<int, std::string> table = {
        {IDT_DEF_HEADER,
         "#ifndef __QVOS_DEF\r\n"
         "#define __QVOS_DEF\r\n"
         QV_BANNER_TOP
         " * File:        qvos.def\r\n"
         " * Description: configuration define\r\n"
         " * Created:     %s\r\n"
         QV_BANNER_BOTTOM
         "\r\n"
         "/*------ configuration define  -----------------*/\r\n"},
        {IDT_DEF_EVENTFLG_OFF, "//#define EVENTFLG\r\n"},
        {IDT_DEF_EVENTFLG_ON, "#define EVENTFLG\r\n"},
        {IDT_DEF_SEMAPHORE_OFF, "//#define SEMAPHORE\r\n"},
        {IDT_DEF_SEMAPHORE_ON, "#define SEMAPHORE\r\n"},
        {IDT_DEF_SYSTIME_OFF, "//#define SYSTIME\r\n"},
        {IDT_DEF_SYSTIME_ON, "#define SYSTIME\r\n"},
        {IDT_DEF_CYC_HDR_OFF, "//#define CYC_HDR\r\n"},
        {IDT_DEF_CYC_HDR_ON, "#define CYC_HDR\r\n"},
        {IDT_DEF_DATAQUE_OFF, "//#define DATAQUE\r\n"},
        {IDT_DEF_DATAQUE_ON, "#define DATAQUE\r\n"},
        {IDT_DEF_TAIL, "\r\n#endif\r\n"},
        {IDT_CFG_HEADER,
         QV_BANNER_TOP
         " * File:        config.c\r\n"
         " * Description: configuration file for %s\r\n"
         " * Created:     %s\r\n"
         QV_BANNER_BOTTOM},
        {IDT_CFG_INCLUDE, "#include \"qvos.h\"\r\n\r\n"},
        {IDT_CFG_TCB_NUM,
         "/*------ TCB Number ------------------------------------------*/\r\n#define KNL_TCB_NUM         %d\r\n"
         "#ifdef KNL_BB_PRIORITY\r\n#define KNL_TCB_PRI_NUM     %d\r\n#endif\r\n\r\n"},
        {IDT_CFG_TCB_SIZE_HEAD, "/*------ TCB Stack Size --------------------------------------*/\r\n"},
        {IDT_CFG_TCB_SIZE_ROW, "#define TCB%d_SIZE       0x%02xu\r\n"},
        {IDT_CFG_TCB_SP_HEAD,
         "/*------ TCB Stack addr --------------------------------------*/\r\n"
         "const TCBSP knl_tcbSpInit[KNL_TCB_NUM] = {\r\n"},
        {IDT_CFG_TCB_EXTERN_HEAD,
         "/*------ TCB Start addr Init ---------------------------------*/\r\n/*** Refer to exterior ***/\r\n"},
        {IDT_CFG_TCB_EXTERN_ROW, "        extern void %s(void);                    /* TCB%d   */\r\n"},
        {IDT_CFG_TCB_ADDR_HEAD,
         "/*** Table for start addr init ***/\r\n\r\nconst TCBADDR knl_tcbAddrInit[KNL_TCB_NUM] = {\r\n"},
        {IDT_CFG_TCB_ADDR_ROW, "  { %s    }%s                                     /* TCB%d   */\r\n"},
        {IDT_CFG_TCB_ST_HEAD,
         "};\r\n\r\n/*------ TCB Status Init -------------------------------------*/\r\n/*\r\n"
         " * Task status Init : CTCB_ST_RDY | CTCB_ST_SLP | ...\r\n"
         " *                   (\"qvos.h\" Refer to for details.)\r\n */\r\n"
         "const UB knl_tcbStInit[KNL_TCB_NUM] = {\r\n"},
        {IDT_CFG_TCB_ST_RDY, "    CTCB_ST_RDY%s                                    /* TCB%d   */\r\n"},
        {IDT_CFG_TCB_ST_SLP, "    CTCB_ST_SLP%s                                    /* TCB%d   */\r\n"},
        {IDT_CFG_SYSTIM,
         "/*------ SYSTEM TIME -----------------------------------------*/\r\n#ifdef SYSTIME\r\n"
         "#define SYSTIM_CYCLIC_TIM   %duL        /* systim time(msec) */\r\n#endif\r\n\r\n"},
        {IDT_CFG_EVFLG_NUM,
         "/*------ EVENTFLG --------------------------------------------*/\r\n#ifdef EVENTFLG\r\n"
         "#define EVFLG_NUM      %d                 /* FLG Number        */\r\n#endif\r\n\r\n"},
        {IDT_CFG_SEM_NUM,
         "/*------ SEMAPHORE -------------------------------------------*/\r\n#ifdef SEMAPHORE\r\n"
         "#define SEM_NUM        %d                 /* Semaphore Number  */\r\n#endif\r\n\r\n"},
        {IDT_CFG_CYC_NUM,
         "/*------ CYCLIC HANDLER --------------------------------------*/\r\n#ifdef CYC_HDR\r\n"
         "#define CYC_NUM        %d                 /* Cyclic Handler    */\r\n#endif\r\n\r\n"},
        {IDT_CFG_DTQ_NUM,
         "/*------ DATAQUE ---------------------------------------------*/\r\n#ifdef DATAQUE\r\n"
         "#define DTQ_NUM        %d                 /* DTQ Number        */\r\n#endif\r\n\r\n"},
        {IDT_KINIT_HEADER,
         QV_BANNER_TOP
         " * File:        kinit.c\r\n"
         " * Description: kernel resource init\r\n"
         " * Created:     %s\r\n"
         QV_BANNER_BOTTOM},
        {IDT_KINIT_INCLUDE, "#include \"qvos.h\"\r\n\r\n"},
        {IDT_KINIT_HEAD,
         "\r\n/***********************************/\r\n/*** kernel resource init        ***/\r\n"
         "/***********************************/\r\nvoid kinit(void)\r\n{\r\n    /* initialize */\r\n\r\n"},
    };
    return table;
}

}  // namespace

const std::string& GetTemplate(int id)
{
    static const std::string empty;
    const auto& table = Table();
    const auto it = table.find(id);
    return it == table.end() ? empty : it->second;
}

}  // namespace qvtmpl
