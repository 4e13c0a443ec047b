/* Groups placed by hand: resource ids and messages, apart from ids.h and
   strings.h so that they stay together: strings 150 to 159, the window's
   controls 840 to 859, its system-menu command 0x0B40. Plain C preprocessor
   only, so that windres can read it. */
#ifndef ROSTERLOOM_RESOURCES_PLACEMENT_H
#define ROSTERLOOM_RESOURCES_PLACEMENT_H

/* The main window's system-menu item that opens the placement window. */
#define IDM_PLACEMENT             0x0B40

/* Placement window */
#define IDC_PLACEMENT_LIST        840
#define IDC_PLACEMENT_GROUP       841
#define IDC_PLACEMENT_ORDER       842
#define IDC_PLACEMENT_APPLY       843
#define IDC_PLACEMENT_PASTE       844
#define IDC_PLACEMENT_TAKE        845
#define IDC_PLACEMENT_DROP        846
#define IDC_PLACEMENT_CLOSE       847
#define IDC_PLACEMENT_STATE       848

/* The draw's refusals of a placement; no numbers. */
#define IDS_PLACEMENT_STALE       150
#define IDS_PLACEMENT_SEEDED      151

#define STR_PLACEMENT_STALE       "직접 편성한 조가 지금의 참가자 명단이나 조 설정과 맞지 않습니다.\n시스템 메뉴의 '조 직접 편성'에서 다시 편성하세요."
#define STR_PLACEMENT_SEEDED      "조 직접 편성과 시드 배정은 함께 쓸 수 없습니다.\n시드와 소속 지정에서 시드 배정을 끄거나, 직접 편성을 해제하세요."

#endif
