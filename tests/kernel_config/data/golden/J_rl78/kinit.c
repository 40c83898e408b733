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
#pragma section @@CODE   @@QuoP
#pragma section @@CODEL  @@QuoPL
#pragma section @@CALT   @@QuoPCA
#pragma section @@BASE   @@QuoPBA
#pragma section @@CNST   @@QuoC
#pragma section @@CNSTL  @@QuoCL
#pragma section @@R_INIT @@QuoR
#pragma section @@RLINIT @@QuoRL
#pragma section @@R_INIS @@QuoRS

#pragma section @@DATA   @@QuoB
#pragma section @@DATAL  @@QuoBL
#pragma section @@DATS   @@QuoBS
#pragma section @@BITS   @@QuoBB
#pragma section @@INIT   @@QuoD
#pragma section @@INITL  @@QuoDL
#pragma section @@INIS   @@QuoDS

#include "qvos.h"

/* -------- cyclic handler -------- */
/* extern void cychdr1(UB cid); */
/* extern void cychdr2(UB cid); */
/* extern void cychdr3(UB cid); */

/* -------- data que -------------- */
#define DTQ1_SIZE  0


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
    dtq_init();
    DTQ_ATTR((UB)1u, (UB)DTQ_TA_TPRI,  (B)DTQ1_SIZE, 0);

}

