/* Team leagues: the window program's ids, apart from ids.h so that they stay
   together: the rosters window's controls 900 to 909, its system-menu
   command 0x0B50, the format window's team match chooser, and the team
   sets window's controls 920 to 929, the new team's window 940 to 943. Plain C
   preprocessor only, so that windres can read it. */
#ifndef ROSTERLOOM_RESOURCES_TEAMS_H
#define ROSTERLOOM_RESOURCES_TEAMS_H

/* The main window's system-menu item that opens the rosters window. */
#define IDM_ROSTERS               0x0B50

/* Rosters window */
#define IDC_ROSTER_LIST           900
#define IDC_ROSTER_PLAYERS        901
#define IDC_ROSTER_APPLY          902
#define IDC_ROSTER_CLOSE          903
#define IDC_ROSTER_STATE          904

/* Format window: the team match's format, or none */
#define IDC_TEAM_MATCH            909

/* Team sets window: the chosen team match's next set */
#define IDC_TEAM_SET_LABEL        920
#define IDC_TEAM_SET_FIRST_TEAM   921
#define IDC_TEAM_SET_FIRST        922
#define IDC_TEAM_SET_SECOND_TEAM  923
#define IDC_TEAM_SET_SECOND       924
#define IDC_TEAM_SET_WINNER       925
#define IDC_TEAM_SET_MAP          926
#define IDC_TEAM_SET_RECORD       927
#define IDC_TEAM_SET_CLOSE        928
#define IDC_TEAM_SET_NUMBER       929

/* New team window: a replacement's new team's players in a team league */
#define IDC_NEW_TEAM_LABEL        940
#define IDC_NEW_TEAM_PLAYERS      941
#define IDC_NEW_TEAM_REPLACE      942
#define IDC_NEW_TEAM_CANCEL       943

#endif
