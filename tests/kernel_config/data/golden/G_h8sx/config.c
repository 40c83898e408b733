/*********************************************************************
 * Quorvane OS V3
 * 
 * Copyright (C) Pellaron, Inc. 2008-2026
 * All rights reserved.
 *********************************************************************
 * File:        config.c
 * Description: configuration file for H8SX Advanced Mode(IM3)
 * Created:     Dec 06, 2026
 *********************************************************************
 */
#include "qvos.h"

/*------ Kernel Mask -----------------------------------------*/
#define KNL_MSK_LEVEL       9u       /* kernel mask level(1-9) */

/*------ TCB Number ------------------------------------------*/
#define KNL_TCB_NUM         3
#ifdef KNL_BB_PRIORITY
#define KNL_TCB_PRI_NUM     0
#endif

/*------ TCB Stack Size --------------------------------------*/
#define TCB1_SIZE       0x90u
#define TCB2_SIZE       0x90u
#define TCB3_SIZE       0x90u

#pragma section ustack
W tcb_stack1[(TCB1_SIZE/(UH)sizeof(W))];
W tcb_stack2[(TCB2_SIZE/(UH)sizeof(W))];
W tcb_stack3[(TCB3_SIZE/(UH)sizeof(W))];

#pragma section quorvaneos
/*------ TCB Stack addr --------------------------------------*/
const TCBSP knl_tcbSpInit[KNL_TCB_NUM] = {
  {  &tcb_stack1[TCB1_SIZE/(UH)sizeof(W)]  },        /* TCB1 */
  {  &tcb_stack2[TCB2_SIZE/(UH)sizeof(W)]  },        /* TCB2 */
  {  &tcb_stack3[TCB3_SIZE/(UH)sizeof(W)]  }         /* TCB3 */
};

/*------ TCB Start addr Init ---------------------------------*/
/*** Refer to exterior ***/
        extern void tsk01(void);                    /* TCB1   */
        extern void tsk02(void);                    /* TCB2   */
        extern void tsk03(void);                    /* TCB3   */
/*** Table for start addr init ***/

const TCBADDR knl_tcbAddrInit[KNL_TCB_NUM] = {
  { tsk01    },                                     /* TCB1   */
  { tsk02    },                                     /* TCB2   */
  { tsk03    }                                      /* TCB3   */
};

/*------ TCB Status Init -------------------------------------*/
/*
 * Task status Init : CTCB_ST_RDY | CTCB_ST_SLP | ...
 *                   ("qvos.h" Refer to for details.)
 */
const UB knl_tcbStInit[KNL_TCB_NUM] = {
    CTCB_ST_RDY,                                    /* TCB1   */
    CTCB_ST_RDY,                                    /* TCB2   */
    CTCB_ST_RDY                                     /* TCB3   */
};

/*------ SYSTEM TIME -----------------------------------------*/
#ifdef SYSTIME
#define SYSTIM_CYCLIC_TIM   1000uL        /* systim time(msec) */
#endif

/*------ EVENTFLG --------------------------------------------*/
#ifdef EVENTFLG
#define EVFLG_NUM      1                 /* FLG Number        */
#endif

/*------ SEMAPHORE -------------------------------------------*/
#ifdef SEMAPHORE
#define SEM_NUM        1                 /* Semaphore Number  */
#endif

/*------ CYCLIC HANDLER --------------------------------------*/
#ifdef CYC_HDR
#define CYC_NUM        1                 /* Cyclic Handler    */
#endif

/*------ DATAQUE ---------------------------------------------*/
#ifdef DATAQUE
#define DTQ_NUM        1                 /* DTQ Number        */
#endif

/*============================================================*/
/*==  Please do not change below.                           ==*/
/*============================================================*/
/*------ OS TCB info -----------------------------------------*/
#ifdef KNL_BB_PRIORITY
#define KNL_TCB_ROT_NUM     (KNL_TCB_NUM-KNL_TCB_PRI_NUM)
#define KNL_TCB_PRI_BMSZ    (KNL_TCB_PRI_NUM == 0) ? 0 : (KNL_TCB_PRI_NUM/8)+1
#else
#define KNL_TCB_ROT_NUM     KNL_TCB_NUM
#endif
const UB knl_tcbmax     = KNL_TCB_NUM;
#ifdef KNL_BB_PRIORITY
const UB knl_tcbmaxPri  = KNL_TCB_PRI_NUM;
#endif
const UB knl_tcbmaxRot  = KNL_TCB_ROT_NUM;
#ifdef KNL_BB_PRIORITY
const B knl_bmapSzPritcp = KNL_TCB_PRI_BMSZ;
#endif

#if H8SX_INTMODE == 0
#if (KNL_MSK_LEVEL == 1)
    const UH knl_msklvl2 = 0x8000u;
#else
    #error "quorvane-os: KNL_MSK_LEVEL value is not 1(int mode 0)"
#endif
#endif
#if H8SX_INTMODE == 1
#if (KNL_MSK_LEVEL == 1)
    const UH knl_msklvl2 = 0x8000u;
#elif (KNL_MSK_LEVEL == 2)
    const UH knl_msklvl2 = 0xC000u;
#else
    #error "quorvane-os: KNL_MSK_LEVEL value is not 1-2(int mode 1)"
#endif
#endif
#if H8SX_INTMODE == 2
#if (KNL_MSK_LEVEL <= 0) || (KNL_MSK_LEVEL > 7)
    #error "quorvane-os: KNL_MSK_LEVEL value is not 1-7(int mode 2)"
#else
    const UH knl_msklvl1 = KNL_MSK_LEVEL << 8 | 0x7800u;
#endif
#endif
#if H8SX_INTMODE == 3
#if (KNL_MSK_LEVEL > 0) && (KNL_MSK_LEVEL < 8)
    const UH knl_msklvl1 = KNL_MSK_LEVEL << 8 | 0x7800u;
    const UH knl_msklvl2 = 0x0000u;
#elif (KNL_MSK_LEVEL == 8)
    const UH knl_msklvl1 = 0x7800u;
    const UH knl_msklvl2 = 0x8000u;
#elif (KNL_MSK_LEVEL == 9)
    const UH knl_msklvl1 = 0x7800u;
    const UH knl_msklvl2 = 0xC000u;
#else
    #error "quorvane-os: KNL_MSK_LEVEL value is not 1-9(int mode 3)"
#endif
#endif
#pragma section quorvaneosW
TCBSP knl_tcbsp[KNL_TCB_NUM];
#pragma section quorvaneosB
UB knl_ctcb;
UB knl_tcbst[KNL_TCB_NUM];
#ifdef KNL_BB_PRIORITY
UB knl_bmapPritcb[(KNL_TCB_PRI_BMSZ > 0) ? KNL_TCB_PRI_BMSZ : 1];
#endif
#pragma section quorvaneosW
IDQUE knl_QRrottcb;
#pragma section quorvaneosB
UB knl_QRArottcb[(KNL_TCB_ROT_NUM> 0) ? KNL_TCB_ROT_NUM : 1];

#ifdef KNL_BB_WUPCNT
UB knl_wupcnt[KNL_TCB_NUM];
#endif

#ifdef KNL_BB_SYSTIME
#ifdef SYSTIME
#pragma section quorvaneos
const UW knl_cyclic_tim = SYSTIM_CYCLIC_TIM;
#pragma section quorvaneosW
IDQUE knl_QWtslp;
#pragma section quorvaneosB
UB knl_QWAtslp[(KNL_TCB_NUM > 0) ? KNL_TCB_NUM : 1];
#pragma section quorvaneosW
UW knl_systim;
#pragma section quorvaneosH
UH knl_systimHi;
#endif
#ifdef KNL_BB_CYCHDR
#ifdef CYC_HDR
#pragma section quorvaneos
const UB knl_cyc_num = CYC_NUM;
#pragma section quorvaneosW
W knl_cycQtim[CYC_NUM];
W knl_cyctim[CYC_NUM];
#pragma section quorvaneosB
UB knl_cycattr[CYC_NUM];
#pragma section quorvaneosW
void (*knl_cychdr[CYC_NUM])(UB);
IDQUE knl_QWcyc;
#pragma section quorvaneosB
UB knl_QWAcyc[(CYC_NUM > 0) ? CYC_NUM : 1];
#endif
#endif
#endif

#ifdef KNL_BB_EVTFLG
#ifdef EVENTFLG
#pragma section quorvaneos
const UB knl_evt_num = EVFLG_NUM;
#pragma section quorvaneosH
UH knl_evt[EVFLG_NUM];
#pragma section quorvaneosB
UB knl_evtatr[EVFLG_NUM];
#pragma section quorvaneosW
IDQUE knl_QWevt;
#pragma section quorvaneosB
UB knl_QWAevt[(KNL_TCB_NUM > 0) ? KNL_TCB_NUM : 1];
#endif
#endif

#ifdef KNL_BB_SEMAPHORE
#ifdef SEMAPHORE
#pragma section quorvaneos
const UB knl_sem_num = SEM_NUM;
#pragma section quorvaneosB
UB knl_semph[SEM_NUM];
UB knl_semattr[SEM_NUM];
#pragma section quorvaneosW
IDQUE knl_QWsem;
#pragma section quorvaneosB
UB knl_QWAsem[(KNL_TCB_NUM > 0) ? KNL_TCB_NUM : 1];
#endif
#endif

#ifdef KNL_BB_DATAQUE
#ifdef DATAQUE
#pragma section quorvaneos
const UB knl_dtq_num = DTQ_NUM;
#pragma section quorvaneosB
UB knl_dtqattr[(DTQ_NUM > 0) ? DTQ_NUM : 1];
B knl_dtqcnt[(DTQ_NUM > 0) ? DTQ_NUM : 1];
B knl_dtqusecnt[(DTQ_NUM > 0) ? DTQ_NUM : 1];
B knl_dtqip[(DTQ_NUM > 0) ? DTQ_NUM : 1];
B knl_dtqop[(DTQ_NUM > 0) ? DTQ_NUM : 1];
#pragma section quorvaneosW
W *knl_dtq[DTQ_NUM];
IDQUE knl_QWdtqs;
IDQUE knl_QWdtqr;
#pragma section quorvaneosB
UB knl_QWAdtq[(KNL_TCB_NUM > 0) ? KNL_TCB_NUM : 1];
#endif
#endif

