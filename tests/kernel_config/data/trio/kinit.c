/*********************************************************************
 * Quorvane OS V3
 * 
 * Copyright (C) 2026 Pellaron,Inc.
 * All rights reserved.
 *********************************************************************
 * File:        kinit.c
 * Description: kernel resource init
 * Created:     Mar 14, 2026
 *********************************************************************
 */
#include "qvos.h"

#pragma section quorvaneos
/* -------- cyclic handler -------- */
extern void cyc_blink(UB cid);
extern void cyc_watchdog(UB cid);

#pragma section quorvaneosW
/* -------- data que -------------- */
#define DTQ1_SIZE  4
#define DTQ2_SIZE  0
W knl_dtq1[DTQ1_SIZE];

#pragma section quorvaneos

/***********************************/
/*** kernel resource init        ***/
/***********************************/
void kinit(void)
{
    /* initialize */

    /* systime initialize  */
    systim_init();

    /* event flag initialize  */
    evtflg_init();
    EVTFLG_ATTR((UB)1u, (EVFLG_TA_AND | EVFLG_TA_CLR | EVFLG_TA_TPRI ));
    EVTFLG_ATTR((UB)2u, (EVFLG_TA_OR  |                EVFLG_TA_TFIFO));
    EVTFLG_ATTR((UB)3u, (EVFLG_TA_AND | EVFLG_TA_CLR | EVFLG_TA_TFIFO));

    /* semaphore initialize  */
    sem_init();
    SEM_ATTR((UB)1u, 1, SEM_TA_TPRI );
    SEM_ATTR((UB)2u, 0, SEM_TA_TFIFO);

    /* cyclic handler initialize  */
    cyc_init();
    CYC_ATTR((UB)1u, (CYC_TA_STA), cyc_blink, 500L);
    CYC_ATTR((UB)2u, (CYC_TA_NON), cyc_watchdog, 2000L);

    /* data-que initialize  */
    dtq_init();
    DTQ_ATTR((UB)1u, (UB)DTQ_TA_TFIFO, (B)DTQ1_SIZE, knl_dtq1);
    DTQ_ATTR((UB)2u, (UB)DTQ_TA_TPRI,  (B)DTQ2_SIZE, 0);

}

