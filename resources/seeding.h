/* The seeded draw's resource ids and messages, apart from ids.h and
   strings.h so that they stay together: strings 70 to 89, the window's
   controls 760 to 789, its system-menu command from 0x0A80. Each message
   takes numbers (printf's %d), named beside it. Plain C preprocessor only,
   so that windres can read it. */
#ifndef ROSTERLOOM_RESOURCES_SEEDING_H
#define ROSTERLOOM_RESOURCES_SEEDING_H

/* The main window's system-menu item that opens the seeding window. */
#define IDM_SEEDING               0x0A80

/* Seeding window */
#define IDC_SEEDING_CHECK         760
#define IDC_SEEDING_LIST          761
#define IDC_SEEDING_POT           762
#define IDC_SEEDING_TAG           763
#define IDC_SEEDING_APPLY         764
#define IDC_SEEDING_CLOSE         765
#define IDC_SEEDING_RACE          766
#define IDC_SEEDING_SPREAD        767

/* participant, pot, group size */
#define IDS_SEED_POT_RANGE        70
/* participant, byte limit */
#define IDS_SEED_TAG_TOO_LONG     71
/* pot, its players, groups */
#define IDS_SEED_POT_OVERFULL     72
/* pot, its players */
#define IDS_SEED_POT_NO_ROOM      73
/* no numbers */
#define IDS_SEED_TAGS_NOT_SPREAD  74
/* participant, largest pot */
#define IDS_SEED_POT_NOT_NUMBER   75
/* participant */
#define IDS_SEED_TAG_CONTROL      76
/* participant */
#define IDS_SEED_RACE_UNKNOWN     77
/* race (its name, %s), its players */
#define IDS_SEED_RACE_NOT_SPREAD  78
/* no numbers */
#define IDS_SEED_RACES_NOT_SPREAD 79
/* no numbers */
#define IDS_SEED_RACES_AND_TAGS   80
/* no numbers */
#define IDS_SEED_RACES_TOO_MANY_POTS 81

#define STR_SEED_POT_RANGE        "%d번째 참가자의 시드 %d은(는) 쓸 수 없습니다.\n시드는 1부터 그룹 당 인원(%d)까지입니다."
#define STR_SEED_TAG_TOO_LONG     "%d번째 참가자의 소속이 %d바이트보다 깁니다.\n소속을 줄여 입력하세요."
#define STR_SEED_POT_OVERFULL     "시드 %d의 참가자가 %d명으로, 그룹의 수(%d)보다 많습니다.\n한 그룹에는 같은 시드의 참가자가 한 명만 들어갈 수 있습니다."
#define STR_SEED_POT_NO_ROOM      "시드 %d의 참가자 %d명이 서로 다른 그룹에 들어갈 자리가 없습니다.\n공석 분배를 켜거나, 시드를 나누세요."
#define STR_SEED_POT_NOT_NUMBER   "%d번째 참가자의 시드는 쓸 수 없습니다.\n시드는 1부터 %d까지의 숫자로 쓰거나 비워 두세요."
#define STR_SEED_TAG_CONTROL      "%d번째 참가자의 소속에 줄바꿈이나 탭 같은 제어 문자가 있습니다.\n소속을 고쳐 입력하세요."
#define STR_SEED_RACE_UNKNOWN     "%d번째 참가자의 종족은 쓸 수 없습니다.\n종족은 T, Z, P, R(테란, 저그, 프로토스, 랜덤) 중 하나로 쓰거나 비워 두세요."
#define STR_SEED_RACE_NOT_SPREAD  "%s %d명을 그룹마다 고르게 나누는 배정이 없습니다.\n시드를 나누거나, 공석 분배를 켜거나, 그룹의 수를 바꾸세요."
#define STR_SEED_RACES_NOT_SPREAD "모든 종족을 함께 그룹마다 고르게 나누는 배정이 없습니다.\n공석 분배를 켜거나, 그룹의 수를 바꾸세요."
#define STR_SEED_RACES_AND_TAGS   "종족을 고르게 나누면서 같은 소속의 참가자를 나누는 배정을 찾지 못했습니다.\n소속을 나누거나, 그룹의 수를 바꾸세요."
#define STR_SEED_RACES_TOO_MANY_POTS "시드를 받은 참가자가 많아 종족을 고르게 나누는 배정을 찾지 못했습니다.\n시드를 줄이거나, 그룹의 수를 바꾸세요."
#define STR_SEED_TAGS_NOT_SPREAD  "같은 소속의 참가자를 그룹마다 고르게 나누는 배정을 찾지 못했습니다.\n소속을 나누거나, 그룹의 수를 바꾸세요."

#endif
