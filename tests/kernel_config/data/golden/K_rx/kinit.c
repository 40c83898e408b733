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
extern void cychdr1(UB cid);
extern void cychdr2(UB cid);
extern void on_tick(UB cid);

#pragma section quorvaneosW
/* -------- data que -------------- */
#define DTQ1_SIZE  4
#define DTQ2_SIZE  0
#define DTQ3_SIZE  1
W knl_dtq1[DTQ1_SIZE];
W knl_dtq3[DTQ3_SIZE];

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
    EVTFLG_ATTR((UB)1u, (EVFLG_TA_OR  |                EVFLG_TA_TPRI ));
    EVTFLG_ATTR((UB)2u, (EVFLG_TA_AND | EVFLG_TA_CLR | EVFLG_TA_TFIFO));
    EVTFLG_ATTR((UB)3u, (EVFLG_TA_AND |                EVFLG_TA_TFIFO));

    /* semaphore initialize  */
    sem_init();
    SEM_ATTR((UB)1u, 1, SEM_TA_TPRI );
    SEM_ATTR((UB)2u, 0, SEM_TA_TFIFO);
    SEM_ATTR((UB)3u, 5, SEM_TA_TPRI );

    /* cyclic handler initialize  */
    cyc_init();
    CYC_ATTR((UB)1u, (CYC_TA_STA), cychdr1, 100L);
    CYC_ATTR((UB)2u, (CYC_TA_NON), cychdr2, 1000L);
    CYC_ATTR((UB)3u, (CYC_TA_STA), on_tick, 20L);

    /* data-que initialize  */
    dtq_init();
    DTQ_ATTR((UB)1u, (UB)DTQ_TA_TFIFO, (B)DTQ1_SIZE, knl_dtq1);
    DTQ_ATTR((UB)2u, (UB)DTQ_TA_TPRI,  (B)DTQ2_SIZE, 0);
    DTQ_ATTR((UB)3u, (UB)DTQ_TA_TFIFO, (B)DTQ3_SIZE, knl_dtq3);

}

