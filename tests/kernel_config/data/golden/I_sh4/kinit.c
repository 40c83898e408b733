/*********************************************************************
 * Quorvane OS V3
 * 
 * Copyright (C) Pellaron, Inc. 2008-2026
 * All rights reserved.
 *********************************************************************
 * File:        kinit.c
 * Description: kernel resource init
 * Created:     Dec 06, 2026
 *********************************************************************
 */
#include "qvos.h"

#pragma section quorvaneos
/* -------- cyclic handler -------- */
/* extern void cychdr1(UB cid); */
/* extern void cychdr2(UB cid); */
/* extern void cychdr3(UB cid); */

#pragma section quorvaneosW
/* -------- data que -------------- */
/* #define DTQ1_SIZE  1 */
/* #define DTQ2_SIZE  2 */
/* W knl_dtq1[DTQ1_SIZE]; */
/* W knl_dtq2[DTQ2_SIZE]; */

#pragma section quorvaneos

/***********************************/
/*** kernel resource init        ***/
/***********************************/
void kinit(void)
{
    /* initialize */

    /* systime initialize  */
/*  systim_init(); */

    /* event flag initialize  */
/*  evtflg_init();  */
/*  EVTFLG_ATTR((UB)1u, (EVFLG_TA_AND | EVFLG_TA_CLR | EVFLG_TA_TPRI));  */

    /* semaphore initialize  */
/*  sem_init();                        */
/*  SEM_ATTR((UB)1u, 1, SEM_TA_TPRI);  */

    /* cyclic handler initialize  */
/*  cyc_init(); */
/*  CYC_ATTR((UB)1u, (CYC_TA_STA), cychdr1, 1000L); */
/*  CYC_ATTR((UB)2u, (CYC_TA_NON), cychdr2, 5000L); */

    /* data-que initialize  */
/*  dtq_init(); */
/*  DTQ_ATTR((UB)1u,(UB)DTQ_TA_TFIFO,(B)DTQ1_SIZE, knl_dtq1); */
/*  DTQ_ATTR((UB)2u,(UB)DTQ_TA_TPRI, (B)DTQ2_SIZE, knl_dtq2); */

}

