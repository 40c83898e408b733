// Templates of the three generated kernel files (config.c, qvos.def, kinit.c), kept by their
// string-table id. They are the same in every language, so they live here rather than in the UI's table.
#pragma once

#include <string>

namespace qvtmpl {

// Ids of the templates; the numbers are those of the editor's string table.
enum TemplateId : int {
    IDT_DEF_HEADER = 6001,         // qvos.def header: year, creation date
    IDT_DEF_EVENTFLG_OFF = 6002,
    IDT_DEF_EVENTFLG_ON = 6003,
    IDT_DEF_SEMAPHORE_OFF = 6004,
    IDT_DEF_SEMAPHORE_ON = 6005,
    IDT_DEF_SYSTIME_OFF = 6006,
    IDT_DEF_SYSTIME_ON = 6007,
    IDT_DEF_CYC_HDR_OFF = 6008,
    IDT_DEF_CYC_HDR_ON = 6009,
    IDT_DEF_DATAQUE_OFF = 6010,
    IDT_DEF_DATAQUE_ON = 6011,
    IDT_DEF_TAIL = 6012,
    IDT_CFG_HEADER = 6013,         // config.c header: year, CPU description, creation date
    IDT_CFG_INCLUDE = 6014,
    IDT_CFG_TCB_NUM = 6019,        // task count, priority-task count
    IDT_CFG_TCB_SIZE_HEAD = 6020,
    IDT_CFG_TCB_SIZE_ROW = 6021,   // id, stack size
    IDT_CFG_TCB_SP_HEAD = 6027,
    IDT_CFG_TCB_EXTERN_HEAD = 6029,
    IDT_CFG_TCB_EXTERN_ROW = 6030, // function name, id
    IDT_CFG_TCB_ADDR_HEAD = 6031,
    IDT_CFG_TCB_ADDR_ROW = 6032,   // function name, separator, id
    IDT_CFG_TCB_ST_HEAD = 6033,
    IDT_CFG_TCB_ST_RDY = 6034,     // separator, id
    IDT_CFG_TCB_ST_SLP = 6035,     // separator, id
    IDT_CFG_SYSTIM = 6036,         // cycle in ms
    IDT_CFG_EVFLG_NUM = 6037,
    IDT_CFG_SEM_NUM = 6038,
    IDT_CFG_CYC_NUM = 6039,
    IDT_CFG_DTQ_NUM = 6040,
    IDT_KINIT_HEADER = 6041,       // kinit.c header: year, creation date
    IDT_KINIT_INCLUDE = 6042,
    IDT_KINIT_HEAD = 6043,
};

// The template of an id; an empty string for an id that holds no template.
const std::string& GetTemplate(int id);

}  // namespace qvtmpl
