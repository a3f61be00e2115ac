/* Ids of the program's resources, menu commands and controls, shared by the
   resource script and the C++ code. Plain #defines so that windres reads them. */
#ifndef QUAREL_RESOURCE_IDS_H
#define QUAREL_RESOURCE_IDS_H

/* Icons, menu, accelerators */
#define IDI_QUAREL 12345
#define IDI_QUAREL_SPARE 54321
#define IDM_MAIN_MENU 430
#define IDA_MAIN_ACCELERATORS 400
#define IDA_EDIT_ACCELERATORS 401
#define IDM_PICTURE_MENU 431       /* the menu bar of the pictures of the line */

/* The main window's text field */
#define IDC_EDITOR 111

/* Menu commands */
#define CMD_FILE_NEW 100
#define CMD_FILE_OPEN 110
#define CMD_FILE_SAVE 120
#define CMD_FILE_SAVE_AS 130
#define CMD_FILE_PRINT 140
#define CMD_FILE_EXIT 160
#define CMD_EDIT_UNDO 200
#define CMD_EDIT_SELECT_ALL 205
#define CMD_EDIT_CUT 210
#define CMD_EDIT_COPY 220
#define CMD_EDIT_PASTE 230
#define CMD_EDIT_FIND 240
#define CMD_EDIT_FIND_NEXT 241
#define CMD_EDIT_REPLACE 242
#define CMD_EDIT_GO_TO 243
#define CMD_EDIT_FIND_PREVIOUS 244  /* Shift+F3: no menu item */
#define CMD_SETTINGS_OPTIONS 260
#define CMD_SETTINGS_FONT 270
#define CMD_HELP_ABOUT 310
#define CMD_HELP_EXAMPLE 320
#define CMD_TRACE_STRAIGHT 1001
#define CMD_TRACE_CIRCULAR 1002
#define CMD_TRACE_SPIRAL 1003
#define CMD_RAIL_STRAIGHT 1004
#define CMD_RAIL_CIRCULAR 1005
#define CMD_RAIL_SPIRAL 1006
#define CMD_SET_OUT_STRAIGHT 1007
#define CMD_SET_OUT_CIRCULAR 1008
#define CMD_SET_OUT_SPIRAL 1009
#define CMD_TRACE_POINTS_STRAIGHT 1021
#define CMD_TRACE_POINTS_CIRCULAR 1022
#define CMD_TRACE_POINTS_SPIRAL 1023
#define CMD_LINE_ELEMENTS 1024
#define CMD_LINE_TRACE_POINTS 1025
#define CMD_LINE_SET_OUT 1026
#define CMD_LINE_PROFILE 1027
#define CMD_LINE_PLAN 1028
#define CMD_LINE_OFFSETS 1029
#define CMD_PICTURE_PRINT 1031     /* in the menu bar of a picture of the line */
#define CMD_PICTURE_FIT 1032
#define CMD_LINE_IMPORT_LANDXML 1033
#define CMD_LINE_EXPORT_LANDXML 1034
#define CMD_LINE_EXPORT_POINTS 1035

/* Dialog templates */
#define IDD_ABOUT 500
#define IDD_OPTIONS 570
#define IDD_TRACE_STRAIGHT 1011
#define IDD_TRACE_CIRCULAR 1012
#define IDD_TRACE_SPIRAL 1013
#define IDD_RAIL_STRAIGHT 1014
#define IDD_RAIL_CIRCULAR 1015
#define IDD_RAIL_SPIRAL 1016
#define IDD_SET_OUT_STRAIGHT 1017
#define IDD_SET_OUT_CIRCULAR 1018
#define IDD_SET_OUT_SPIRAL 1019
#define IDD_SET_OUT_LINE 1020
#define IDD_GO_TO_LINE 590
#define IDD_PRINTING 595

/* About and Options controls */
#define IDC_PROGRAM_NAME 501
#define IDC_ABOUT_SUBTITLE 502
#define IDC_ABOUT_VERSION 503
#define IDC_SEPARATOR_LINE 506
#define IDC_OPTIONS_HEADING 571
#define IDC_LINEARS_LABEL 572
#define IDC_LINEARS 573
#define IDC_ANGLES_LABEL 574
#define IDC_ANGLES 575

/* Go To Line and the printing box */
#define IDC_LINE_NUMBER 591
#define IDC_LINE_NUMBER_LABEL 592
#define IDC_PRINTING_PAGE 596

/* Calculation dialogs: an edit field's id is its label's id plus one.
   Buttons are the dialog manager's IDOK (1, "CALC") and IDCANCEL (2, "Close"). */
#define IDC_GROUP_POINTS 1101
#define IDC_GROUP_CURVE 1102
#define IDC_GROUP_PZ 1103
#define IDC_GROUP_RP 1104
#define IDC_GROUP_RESULTS 1105

#define IDC_PK_FIRST 1112      /* PK_A, PK_nk, PK_line */
#define IDC_D_FIRST 1114       /* d_A, d'_A */
#define IDC_Y_FIRST 1116       /* Y_A, Y_nk, Y_lin */
#define IDC_X_FIRST 1118       /* X_A, X_nk, X_lin */
#define IDC_M_FIRST 1120       /* m_A */
#define IDC_PK_SECOND 1122     /* PK_B, PK_kk, PK_nkk */
#define IDC_D_SECOND 1124      /* d_B, d'_B */
#define IDC_Y_SECOND 1126      /* Y_B, Y_kk, Y_nkk */
#define IDC_X_SECOND 1128      /* X_B, X_kk, X_nkk */
#define IDC_M_SECOND 1130      /* m_B */
#define IDC_PZ_NAME 1132
#define IDC_Y_PZ 1134
#define IDC_X_PZ 1136
#define IDC_PK_PZ 1139         /* result */
#define IDC_D_PZ 1141          /* result */
#define IDC_Y_CK 1144
#define IDC_X_CK 1146
#define IDC_R_KK 1148          /* R_kk, R */
#define IDC_Z 1150
#define IDC_Q 1152
#define IDC_L_SK 1154
#define IDC_RP_NAME 1156
#define IDC_PK_RP 1158
#define IDC_M_RP 1160
#define IDC_B_RL 1163
#define IDC_Y_RP 1165          /* result */
#define IDC_PKNSK 1168
#define IDC_C 1170
#define IDC_PK_SO 1172
#define IDC_D_SO 1174
#define IDC_PK_TO 1176
#define IDC_STEP 1178
#define IDC_Y_SO 1180          /* result */
#define IDC_X_SO 1182          /* result */
#define IDC_LINE_STORED 1184   /* which line the set-out on the line uses */
#define IDC_H_SO 1186          /* result: the design level of the first point set out on the line */
#define IDC_WITH_MAIN_POINTS 1188 /* Set out on the line: main points set out among the pickets */

#endif
