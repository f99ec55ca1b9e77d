/* Window, dialog and control style bits used by the resource script, with
 * the values the Windows headers give them. The script is compiled on Linux
 * without those headers; where they are included first, theirs are used. */
#ifndef KESTROW_RESOURCES_WINDOWSTYLES_H
#define KESTROW_RESOURCES_WINDOWSTYLES_H

#ifndef WS_POPUP
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#endif

#ifndef DS_MODALFRAME
#define DS_MODALFRAME 0x0080L
#endif

#ifndef ES_LEFT
#define ES_LEFT 0x0000L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NUMBER 0x2000L
#endif

#ifndef CBS_DROPDOWNLIST
#define CBS_DROPDOWNLIST 0x0003L
#endif

#ifndef LANG_ENGLISH
#define LANG_ENGLISH 0x09
#define SUBLANG_ENGLISH_US 0x01
#endif

#endif
