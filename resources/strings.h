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

#define STR_CONFIRM_CANCEL        "현재의 배정 상황을 취소하며, 이는 복구할 수 없습니다.\n좋습니까?"
#define STR_NO_PARTICIPANTS       "등록된 참가자가 없습니다.\n참가자를 등록하세요."
#define STR_TOO_MANY_PARTICIPANTS "등록된 참가자의 수가 총 그룹 정원을 초과합니다.\n참가자를 삭제하거나, 그룹의 수 또는 그룹 당 인원을 늘리세요."
#define STR_NO_MAPS               "등록된 맵이 없습니다.\n맵 등록 체크를 해제하거나, 맵을 등록하세요."
#define STR_EXPORT_DONE           "바탕 화면의 '조배정결과.txt' 파일에 현재의 배정 상황이 출력되었습니다."
#define STR_EXPORT_IN_USE         "파일에 출력할 수 없습니다.\n바탕 화면의 '조배정결과.txt' 파일이 현재 사용 중입니다."
#define STR_EXPORT_NO_ACCESS      "바탕 화면의 '조배정결과.txt' 파일에 접근할 수 없습니다."

/* Caption of every message box the program shows, but the allocation failure. */
#define STR_APP_CAPTION           "Rosterloom"

#endif
