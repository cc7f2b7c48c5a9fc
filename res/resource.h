// Resource ids of VarnoHotkey, shared by the resource script and the program.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_VARNOHOTKEY_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_FUNCTION_UI 131
#define IDI_NUMLOCK_OFF 221
#define IDI_NUMLOCK_ON 222

#define IDC_STATIC_PLACEHOLDER 1000
#define IDC_ABOUT_TEXT1 1001
#define IDC_ABOUT_TEXT2 1002

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
