// Resource ids shared by the resource script and the code.
#pragma once

#define IDI_PROGRAM 100

// Picture-button icons of the birthday window and the browser window.
#define IDI_BUTTON_PRINT 110
#define IDI_BUTTON_EDIT 111
#define IDI_BUTTON_CLOSE 112
#define IDI_BUTTON_ENLARGE 113
#define IDI_BUTTON_SHRINK 114
#define IDI_BROWSER_BACK 115
#define IDI_BROWSER_FORWARD 116
#define IDI_BROWSER_STOP 117

// JPEG pictures (RCDATA): the birthday window's decoration and the About box logo, each
// drawn for 96 DPI and twice as large for the higher DPIs.
#define IDR_BIRTHDAY_PICTURE 200
#define IDR_NATALO_LOGO 201
#define IDR_BIRTHDAY_PICTURE_2X 202
#define IDR_NATALO_LOGO_2X 203

// The print preview's hand cursors are named resources, "CURSOR_HAND" (open hand) and
// "CURSOR_GRAB" (grabbing hand); never define these two names here, or the resource
// script would number them.
