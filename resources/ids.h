/* Resource and control ids, shared by the resource script and the code.
   Plain C preprocessor only, so that windres can read it. */
#ifndef ROSTERLOOM_RESOURCES_IDS_H
#define ROSTERLOOM_RESOURCES_IDS_H

#define IDR_HELP_TEXT   102   /* type "TEXT" */
#define IDI_APP_ICON    103

/* Main window */
#define IDC_ASSIGN          100
#define IDC_EXIT            101
/* winuser.h names a cursor IDC_HELP; this id wins where both are seen. */
#ifdef IDC_HELP
#undef IDC_HELP
#endif
#define IDC_HELP            103
#define IDC_MAPS_CHECK      200
#define IDC_EQUAL_MAPS      201
#define IDC_SPREAD          202
#define IDC_LEAGUE          300
#define IDC_TOURNAMENT      301
#define IDC_GROUP_BOX       399
#define IDC_PARTICIPANT_FIELD 400
#define IDC_MAP_FIELD       401
#define IDC_PARTICIPANT_LIST 500
#define IDC_MAP_LIST        501

/* Result window */
#define IDC_CANCEL_ASSIGNMENT 110
#define IDC_CLOSE_RESULT    111
#define IDC_EXPORT          112
#define IDC_SCHEDULE_EDIT   410
#define IDC_TABLE_EDIT      411
#define IDC_GROUP_CHOOSER   600

/* The result window's system-menu item that opens the standings window: the
   system reserves the low four bits of a system command and ids from 0xF000. */
#define IDM_ENTER_RESULTS   0x0A00
/* The main window's system-menu items that open and save an event file. */
#define IDM_OPEN_EVENT      0x0A10
#define IDM_SAVE_EVENT      0x0A20
/* The result and standings windows' item that writes the event's web page. */
#define IDM_SAVE_PAGE       0x0A60

/* Standings window */
#define IDC_STANDINGS_GROUP 610
#define IDC_MATCH_LIST      510
#define IDC_FIRST_PLAYER    620
#define IDC_SECOND_PLAYER   621
#define IDC_FIRST_MAPS      430
#define IDC_SECOND_MAPS     431
#define IDC_RECORD          130
#define IDC_CLEAR_RESULT    131
#define IDC_STANDINGS_EDIT  432
#define IDC_MATCH_MAPS      433
#define IDC_WALKOVER        134
#define IDM_WITHDRAWAL      0x0AA0
#define IDM_WALKOVER        0x0AB0
#define IDC_WITHDRAW_LIST   780
#define IDC_WITHDRAW        781
#define IDC_TAKE_BACK       782
#define IDC_CLOSE_WITHDRAW  783
/* Changes before play, in the same window: a new player's name and the
   replacement, the player to swap places with and the swap. */
#define IDC_REPLACE_NAME    784
#define IDC_REPLACE         785
#define IDC_SWAP_WITH       786
#define IDC_SWAP            787
#define IDC_WRITE_STANDINGS 132
#define IDC_CLOSE_STANDINGS 133

/* The playoff: the standings window's system-menu items (one makes the
   playoff, or undoes it once made; the other settles a tie of the chosen
   group's table), the window that makes it and the one that settles a tie. */
#define IDM_PLAYOFF         0x0A40
#define IDM_SETTLE_TIE      0x0A50
#define IDC_PLAYOFF_ONE     730
#define IDC_PLAYOFF_TWO     731
#define IDC_PLAYOFF_FOUR    732
#define IDC_THIRD_PLACE     733
#define IDC_PLAYOFF_LENGTHS 736
#define IDC_PLAYOFF_PAIRS   737
#define IDC_RULE_PAIRS      738
#define IDC_MAKE_PLAYOFF    734
#define IDC_CLOSE_PLAYOFF   735
#define IDC_TIE_LABEL       740
#define IDC_TIE_LIST        741
#define IDC_TIE_UP          742
#define IDC_TIE_DOWN        743
#define IDC_SETTLE          744
#define IDC_CLOSE_TIE       745

/* Format window: the group format and, later, the event's other rules */
#define IDM_FORMAT          0x0A90
#define IDC_DUAL_CHECK      770
#define IDC_BEST_OF_1       771
#define IDC_BEST_OF_3       772
#define IDC_BEST_OF_5       773
#define IDC_BEST_OF_7       774
#define IDC_RULE_WALKOVERS  775
#define IDC_RULE_VOID       776
#define IDC_CLOSE_FORMAT    779

/* The games of a series: the standings window's system-menu item and the
   window that enters them, one winner and one map chooser a game (the ids
   run on from the first, game by game) */
#define IDM_GAMES           0x0AF0
#define IDC_GAMES_LABEL     860
#define IDC_GAME_WINNER     861
#define IDC_GAME_MAP        871
#define IDC_RECORD_GAMES    880
#define IDC_CLOSE_GAMES     881

/* Help window */
#define IDC_HELP_EDIT       420
#define IDC_CLOSE_HELP      121

#endif
