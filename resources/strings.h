/* The string table of the program, defined once: the resource script builds
   its STRINGTABLE from these macros, and the portable code (compiled with the
   execution character set CP949) gets the very same bytes from them.
   Plain C preprocessor only, so that windres can read it. */
#ifndef ROSTERLOOM_RESOURCES_STRINGS_H
#define ROSTERLOOM_RESOURCES_STRINGS_H

#define IDS_CONFIRM_CANCEL        1
#define IDS_NO_PARTICIPANTS       2
#define IDS_TOO_MANY_PARTICIPANTS 3
#define IDS_NO_MAPS               4
#define IDS_EXPORT_DONE           5
#define IDS_EXPORT_IN_USE         6
#define IDS_EXPORT_NO_ACCESS      7
#define IDS_STANDINGS_DONE        8
#define IDS_STANDINGS_IN_USE      9
#define IDS_STANDINGS_NO_ACCESS   10
#define IDS_CONFIRM_CLEAR_LATER   14
#define IDS_CONFIRM_CHANGE_WINNER 15
#define IDS_WALKOVER_WHO          19
#define IDS_FORMAT_GROUP_SIZE     16

/* The event's files: opening, saving and the autosave (ids 20 to 39). The
   question at start takes when the event was drawn (%s) and how many results
   it holds (%d); the refusals take the reader's message. */
#define IDS_CONFIRM_OPEN          20
#define IDS_EVENT_REFUSED         21
#define IDS_EVENT_UNREADABLE      22
#define IDS_EVENT_NOT_SAVED       23
#define IDS_AUTOSAVE_FAILED       24
#define IDS_RESUME_QUESTION       25
#define IDS_AUTOSAVE_REFUSED      26
#define IDS_AUTOSAVE_NOT_MOVED    27
#define IDS_AUTOSAVE_ELSEWHERE    28

/* The event's page on the Desktop: ids 60 to 69. */
#define IDS_PAGE_SAVED            60
#define IDS_PAGE_IN_USE           61
#define IDS_PAGE_NO_ACCESS        62

/* The playoff: ids 40 to 59. */
#define IDS_PLAYOFF_REFUSED       40
#define IDS_PLAYOFF_MATCHES_LEFT  41
#define IDS_PLAYOFF_TIE           42
#define IDS_PLAYOFF_PLAYERS       43
#define IDS_PLAYOFF_THIRD_PLACE   44
#define IDS_CONFIRM_UNDO_PLAYOFF  45
#define IDS_PLAYOFF_LOCKS_GROUPS  46
#define IDS_NO_TIE                47
#define IDS_PLAYOFF_LOCKS_TIES    48
#define IDS_PLAYOFF_LENGTHS       49

#define STR_CONFIRM_CANCEL        "현재의 배정 상황을 취소하며, 이는 복구할 수 없습니다.\n좋습니까?"
#define STR_NO_PARTICIPANTS       "등록된 참가자가 없습니다.\n참가자를 등록하세요."
#define STR_TOO_MANY_PARTICIPANTS "등록된 참가자의 수가 총 그룹 정원을 초과합니다.\n참가자를 삭제하거나, 그룹의 수 또는 그룹 당 인원을 늘리세요."
#define STR_NO_MAPS               "등록된 맵이 없습니다.\n맵 등록 체크를 해제하거나, 맵을 등록하세요."
#define STR_FORMAT_GROUP_SIZE     "듀얼 토너먼트는 한 조가 4명입니다.\n그룹 당 인원을 4로 하거나, 경기 방식에서 듀얼 토너먼트를 해제하세요."
#define STR_EXPORT_DONE           "바탕 화면의 '조배정결과.txt' 파일에 현재의 배정 상황이 출력되었습니다."
#define STR_EXPORT_IN_USE         "파일에 출력할 수 없습니다.\n바탕 화면의 '조배정결과.txt' 파일이 현재 사용 중입니다."
#define STR_EXPORT_NO_ACCESS      "바탕 화면의 '조배정결과.txt' 파일에 접근할 수 없습니다."
#define STR_STANDINGS_DONE        "바탕 화면의 '순위표.txt' 파일에 현재의 배정 상황과 순위가 출력되었습니다."
#define STR_STANDINGS_IN_USE      "파일에 출력할 수 없습니다.\n바탕 화면의 '순위표.txt' 파일이 현재 사용 중입니다."
#define STR_STANDINGS_NO_ACCESS   "바탕 화면의 '순위표.txt' 파일에 접근할 수 없습니다."

/* The standings window's messages. The two questions take the number of
   later results that would go (wsprintf's %d). */
#define STR_CONFIRM_CLEAR_LATER   "이 경기의 승자가 치른 다음 경기의 결과 %d개도 함께 지워집니다.\n좋습니까?"
#define STR_WALKOVER_WHO          "이 경기를 부전승으로 기록합니다.\n'예': %s 선수가 이깁니다.\n'아니요': 상대 선수가 이깁니다."
#define STR_CONFIRM_CHANGE_WINNER "승자가 바뀌어, 이 경기의 승자가 치른 다음 경기의 결과 %d개가 지워집니다.\n좋습니까?"

#define STR_CONFIRM_OPEN          "현재의 배정 상황과 등록된 목록을 지우고 대회 파일을 열며, 이는 복구할 수 없습니다.\n좋습니까?"
#define STR_EVENT_REFUSED         "대회 파일을 열 수 없습니다.\n%s"
#define STR_EVENT_UNREADABLE      "대회 파일을 읽을 수 없습니다.\n파일이 있는지, 다른 프로그램이 쓰고 있지 않은지 확인하세요."
#define STR_EVENT_NOT_SAVED       "대회 파일을 저장할 수 없습니다.\n다른 폴더나 다른 이름을 고르세요."
#define STR_AUTOSAVE_FAILED       "진행 중인 대회를 자동 저장할 수 없습니다.\n프로그램은 계속되지만, 끝내기 전에 시스템 메뉴(Alt+스페이스)의 '대회 저장'으로 저장해 두세요."
#define STR_RESUME_QUESTION       "끝나지 않은 대회가 자동 저장되어 있습니다.\n배정한 때: %s\n기록된 경기 결과: %d개\n\n이 대회를 이어서 하시겠습니까?\n('아니요'를 누르면 이 대회는 '지난 대회' 폴더로 옮겨집니다.)"
#define STR_AUTOSAVE_REFUSED      "자동 저장된 대회를 열 수 없어 '지난 대회' 폴더로 옮겼습니다.\n%s"
#define STR_AUTOSAVE_ELSEWHERE    "이 프로그램의 다른 창이 진행 중인 대회를 자동 저장하고 있습니다.\n그 대회는 그대로 두고, 이 창의 대회는 따로 자동 저장합니다."
#define STR_AUTOSAVE_NOT_MOVED    "자동 저장된 지난 대회를 '지난 대회' 폴더로 옮길 수 없습니다.\n다음 배정이 그 자리에 저장됩니다."

#define STR_PAGE_SAVED            "바탕 화면의 '대회 결과.html' 파일에 웹 페이지를 저장했습니다.\n이 파일을 열 웹 브라우저가 없습니다.\n파일 위치: %s"
#define STR_PAGE_IN_USE           "웹 페이지를 저장할 수 없습니다.\n바탕 화면의 '대회 결과.html' 파일이 현재 사용 중입니다."
#define STR_PAGE_NO_ACCESS        "바탕 화면의 '대회 결과.html' 파일에 접근할 수 없습니다."
/* The playoff's messages. A refusal is IDS_PLAYOFF_REFUSED with one line for
   each reason after it; the reasons take wsprintf's %c (a group's letter),
   %s (names) and %d. */
#define STR_PLAYOFF_REFUSED       "본선을 만들 수 없습니다."
#define STR_PLAYOFF_MATCHES_LEFT  "%c조에 아직 치르지 않은 경기가 %d개 있습니다."
#define STR_PLAYOFF_TIE           "%c조의 %s 선수가 %d위로 같습니다. 그 조를 고르고 시스템 메뉴의 '동률 순위 정하기'로 순서를 정하세요."
#define STR_PLAYOFF_PLAYERS       "본선에는 2명에서 32명까지 오를 수 있습니다. 지금은 %d명입니다."
#define STR_PLAYOFF_THIRD_PLACE   "3·4위전은 본선에 4명 이상이 오를 때만 치를 수 있습니다."
#define STR_CONFIRM_UNDO_PLAYOFF  "본선을 취소하면 본선 경기 결과 %d개와 정해 둔 동률 순위가 모두 지워집니다.\n좋습니까?"
#define STR_PLAYOFF_LOCKS_GROUPS  "본선이 만들어져 있어 조별 경기의 결과를 바꿀 수 없습니다.\n먼저 시스템 메뉴에서 본선을 취소하세요."
#define STR_NO_TIE                "이 조의 순위표에는 순서를 정할 동률 순위가 없습니다."
#define STR_PLAYOFF_LENGTHS       "경기 길이는 1, 3, 5, 7을 쉼표로 나누어 결승이 끝에 오게 씁니다.\n예: 3,5,7 (결승 7전, 준결승 5전, 그 앞은 3전)"
#define STR_PLAYOFF_LOCKS_TIES    "본선이 만들어져 있어 동률 순위를 바꿀 수 없습니다.\n먼저 시스템 메뉴에서 본선을 취소하세요."

/* Caption of every message box the program shows, but the allocation failure. */
#define STR_APP_CAPTION           "Rosterloom"

#endif
