/* Resource identifiers shared by the Pelonix sources and Pelonix.rc. */
#ifndef PELONIX_RESOURCE_H
#define PELONIX_RESOURCE_H

/* Controls that are never addressed from code (labels, group box). */
#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

/* Dialog templates and the About menu text. */
#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_PIDIGITS_DIALOG     102

/* Application icon: window icons, minimized window, About box. */
#define IDR_MAINFRAME           128

/* System-menu command of the About entry; the low four bits stay clear
   because the system uses them in WM_SYSCOMMAND. */
#define IDM_ABOUTBOX            0x0010

/* Edit fields of the ten shown positions of the mixed-radix number. */
#define IDC_DIGIT0              1002
#define IDC_DIGIT1              1003
#define IDC_DIGIT2              1004
#define IDC_DIGIT3              1005
#define IDC_DIGIT4              1006
#define IDC_DIGIT5              1007
#define IDC_DIGIT6              1008
#define IDC_DIGIT7              1009
#define IDC_DIGIT8              1010
#define IDC_DIGIT9              1011

#define IDC_INITIALIZE_PI       1012
#define IDC_VALUE               1013

/* "Reduce" buttons of positions 1 to 9. */
#define IDC_REDUCE1             1014
#define IDC_REDUCE2             1015
#define IDC_REDUCE3             1016
#define IDC_REDUCE4             1017
#define IDC_REDUCE5             1018
#define IDC_REDUCE6             1019
#define IDC_REDUCE7             1020
#define IDC_REDUCE8             1021
#define IDC_REDUCE9             1022

#define IDC_MULTIPLY            1023
#define IDC_EXTRACT             1024
#define IDC_PI_DIGITS           1025
#define IDC_REDUCE_ALL          1026
#define IDC_ONE_MORE_DIGIT      1027
#define IDC_REDUCE_UNSEEN       1028

#endif /* PELONIX_RESOURCE_H */
