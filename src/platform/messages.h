#pragma once
// Message numbers, styles and other values of the windowing calls, with
// their Windows values.
#include <cstdint>

namespace platform {

// Messages.
inline constexpr std::uint32_t WmNull = 0x0000;
inline constexpr std::uint32_t WmCreate = 0x0001;
inline constexpr std::uint32_t WmDestroy = 0x0002;
inline constexpr std::uint32_t WmMove = 0x0003;
inline constexpr std::uint32_t WmSize = 0x0005;
inline constexpr std::uint32_t WmActivate = 0x0006;
inline constexpr std::uint32_t WmSetFocus = 0x0007;
inline constexpr std::uint32_t WmKillFocus = 0x0008;
inline constexpr std::uint32_t WmEnable = 0x000A;
inline constexpr std::uint32_t WmSetRedraw = 0x000B;
inline constexpr std::uint32_t WmSetText = 0x000C;
inline constexpr std::uint32_t WmGetText = 0x000D;
inline constexpr std::uint32_t WmGetTextLength = 0x000E;
inline constexpr std::uint32_t WmPaint = 0x000F;
inline constexpr std::uint32_t WmClose = 0x0010;
inline constexpr std::uint32_t WmQuit = 0x0012;
inline constexpr std::uint32_t WmEraseBkgnd = 0x0014;
inline constexpr std::uint32_t WmShowWindow = 0x0018;
inline constexpr std::uint32_t WmCancelMode = 0x001F;
inline constexpr std::uint32_t WmSetCursor = 0x0020;
inline constexpr std::uint32_t WmSetFont = 0x0030;
inline constexpr std::uint32_t WmGetFont = 0x0031;
inline constexpr std::uint32_t WmNotify = 0x004E;
inline constexpr std::uint32_t WmSetIcon = 0x0080;
inline constexpr std::uint32_t WmNcCreate = 0x0081;
inline constexpr std::uint32_t WmNcDestroy = 0x0082;
inline constexpr std::uint32_t WmNcHitTest = 0x0084;
inline constexpr std::uint32_t WmGetDlgCode = 0x0087;
inline constexpr std::uint32_t WmKeyDown = 0x0100;
inline constexpr std::uint32_t WmKeyUp = 0x0101;
inline constexpr std::uint32_t WmChar = 0x0102;
inline constexpr std::uint32_t WmSysKeyDown = 0x0104;
inline constexpr std::uint32_t WmCommand = 0x0111;
inline constexpr std::uint32_t WmSysCommand = 0x0112;
inline constexpr std::uint32_t WmTimer = 0x0113;
inline constexpr std::uint32_t WmInitMenu = 0x0116;
inline constexpr std::uint32_t WmInitMenuPopup = 0x0117;
inline constexpr std::uint32_t WmMenuSelect = 0x011F;
inline constexpr std::uint32_t WmEnterIdle = 0x0121;
inline constexpr std::uint32_t WmUninitMenuPopup = 0x0125;
inline constexpr std::uint32_t WmCtlColorEdit = 0x0133;
inline constexpr std::uint32_t WmCtlColorBtn = 0x0135;
inline constexpr std::uint32_t WmCtlColorStatic = 0x0138;
inline constexpr std::uint32_t WmChangeUiState = 0x0127;
inline constexpr std::uint32_t WmMouseMove = 0x0200;
inline constexpr std::uint32_t WmLButtonDown = 0x0201;
inline constexpr std::uint32_t WmLButtonUp = 0x0202;
inline constexpr std::uint32_t WmLButtonDblClk = 0x0203;
inline constexpr std::uint32_t WmRButtonDown = 0x0204;
inline constexpr std::uint32_t WmRButtonUp = 0x0205;
inline constexpr std::uint32_t WmMButtonDown = 0x0207;
inline constexpr std::uint32_t WmMButtonUp = 0x0208;
inline constexpr std::uint32_t WmEnterMenuLoop = 0x0211;
inline constexpr std::uint32_t WmExitMenuLoop = 0x0212;
inline constexpr std::uint32_t WmCaptureChanged = 0x0215;
inline constexpr std::uint32_t WmCut = 0x0300;
inline constexpr std::uint32_t WmCopy = 0x0301;
inline constexpr std::uint32_t WmPaste = 0x0302;
inline constexpr std::uint32_t WmUser = 0x0400;
inline constexpr std::uint32_t WmApp = 0x8000;

// Buttons.
inline constexpr std::uint32_t BmGetCheck = 0x00F0;
inline constexpr std::uint32_t BmSetCheck = 0x00F1;
inline constexpr std::uint32_t BmClick = 0x00F5;
inline constexpr std::uint32_t BstUnchecked = 0;
inline constexpr std::uint32_t BstChecked = 1;
inline constexpr std::uint32_t BnClicked = 0;

// Edits.
inline constexpr std::uint32_t EmGetSel = 0x00B0;
inline constexpr std::uint32_t EmSetSel = 0x00B1;
inline constexpr std::uint32_t EmGetRect = 0x00B2;
inline constexpr std::uint32_t EmSetRectNp = 0x00B4;
inline constexpr std::uint32_t EmReplaceSel = 0x00C2;
inline constexpr std::uint32_t EmSetReadOnly = 0x00CF;
inline constexpr std::uint32_t EnChange = 0x0300;
inline constexpr std::uint32_t EnSetFocus = 0x0100;
inline constexpr std::uint32_t EnKillFocus = 0x0200;

// Window styles.
inline constexpr std::uint32_t WsOverlapped = 0x00000000;
inline constexpr std::uint32_t WsPopup = 0x80000000;
inline constexpr std::uint32_t WsChild = 0x40000000;
inline constexpr std::uint32_t WsMinimize = 0x20000000;
inline constexpr std::uint32_t WsVisible = 0x10000000;
inline constexpr std::uint32_t WsDisabled = 0x08000000;
inline constexpr std::uint32_t WsClipSiblings = 0x04000000;
inline constexpr std::uint32_t WsClipChildren = 0x02000000;
inline constexpr std::uint32_t WsCaption = 0x00C00000;
inline constexpr std::uint32_t WsBorder = 0x00800000;
inline constexpr std::uint32_t WsDlgFrame = 0x00400000;
inline constexpr std::uint32_t WsVScroll = 0x00200000;
inline constexpr std::uint32_t WsSysMenu = 0x00080000;
inline constexpr std::uint32_t WsThickFrame = 0x00040000;
inline constexpr std::uint32_t WsGroup = 0x00020000;
inline constexpr std::uint32_t WsTabStop = 0x00010000;
inline constexpr std::uint32_t WsMinimizeBox = 0x00020000;
inline constexpr std::uint32_t WsMaximizeBox = 0x00010000;
inline constexpr std::uint32_t WsExDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t WsExToolWindow = 0x00000080;
inline constexpr std::uint32_t WsExWindowEdge = 0x00000100;
inline constexpr std::uint32_t WsExClientEdge = 0x00000200;
inline constexpr std::uint32_t WsExControlParent = 0x00010000;
inline constexpr std::uint32_t WsExAppWindow = 0x00040000;

// Control styles.
inline constexpr std::uint32_t BsPushButton = 0x0;
inline constexpr std::uint32_t BsDefPushButton = 0x1;
inline constexpr std::uint32_t BsAutoCheckBox = 0x3;
inline constexpr std::uint32_t BsGroupBox = 0x7;
inline constexpr std::uint32_t BsAutoRadioButton = 0x9;
inline constexpr std::uint32_t BsRadioButton = 0x4;
inline constexpr std::uint32_t BsCheckBox = 0x2;
inline constexpr std::uint32_t EsLeft = 0x0;
inline constexpr std::uint32_t EsMultiline = 0x4;
inline constexpr std::uint32_t EsAutoHScroll = 0x80;
inline constexpr std::uint32_t EsReadOnly = 0x800;
inline constexpr std::uint32_t EsWantReturn = 0x1000;
inline constexpr std::uint32_t SsLeft = 0x0;
inline constexpr std::uint32_t SsNotify = 0x100;
inline constexpr std::uint32_t SsLeftNoWordWrap = 0xC;
inline constexpr std::uint32_t SsIcon = 0x3;

// Window class styles.
inline constexpr std::uint32_t CsVRedraw = 0x1;
inline constexpr std::uint32_t CsHRedraw = 0x2;
inline constexpr std::uint32_t CsDblClks = 0x8;

// GetWindowLongA / SetWindowLongA.
inline constexpr int GwlWndProc = -4;
// Of a top-level window: its owner, which it stays above and goes with.
inline constexpr int GwlHwndParent = -8;
inline constexpr int GwlId = -12;
inline constexpr int GwlStyle = -16;
inline constexpr int GwlExStyle = -20;

// ShowWindow commands.
inline constexpr int SwHide = 0;
inline constexpr int SwShowNormal = 1;
inline constexpr int SwShowMinimized = 2;
inline constexpr int SwShowMaximized = 3;
inline constexpr int SwShowNoActivate = 4;
inline constexpr int SwShow = 5;
inline constexpr int SwMinimize = 6;
inline constexpr int SwRestore = 9;

// WM_SYSCOMMAND.
inline constexpr std::uint32_t ScMinimize = 0xF020;
inline constexpr std::uint32_t ScRestore = 0xF120;
inline constexpr std::uint32_t ScClose = 0xF060;

// WM_SIZE kinds.
inline constexpr std::uintptr_t SizeRestored = 0;
inline constexpr std::uintptr_t SizeMinimized = 1;

// WM_ACTIVATE: how the window changes (low word; the high word is nonzero
// while it is minimised).
inline constexpr std::uint32_t WaInactive = 0;
inline constexpr std::uint32_t WaActive = 1;
inline constexpr std::uint32_t WaClickActive = 2;

// WM_ENTERIDLE: the modal loop that has nothing to do (wParam).
inline constexpr std::uintptr_t MsgfDialogBox = 0;
inline constexpr std::uintptr_t MsgfMenu = 2;

// PeekMessageA.
inline constexpr std::uint32_t PmNoRemove = 0;
inline constexpr std::uint32_t PmRemove = 1;

// WM_CHANGEUISTATE: what changes (low word) and which cues (high word).
inline constexpr std::uint32_t UisClear = 2;
inline constexpr std::uint32_t UisfHideFocus = 0x1;

// WM_GETDLGCODE answers.
inline constexpr std::intptr_t DlgcWantArrows = 0x1;
inline constexpr std::intptr_t DlgcWantChars = 0x80;

// Virtual keys.
inline constexpr int VkLButton = 0x01;
inline constexpr int VkBack = 0x08;
inline constexpr int VkTab = 0x09;
inline constexpr int VkReturn = 0x0D;
inline constexpr int VkShift = 0x10;
inline constexpr int VkControl = 0x11;
inline constexpr int VkMenu = 0x12;
inline constexpr int VkEscape = 0x1B;
inline constexpr int VkSpace = 0x20;
inline constexpr int VkLeft = 0x25;
inline constexpr int VkUp = 0x26;
inline constexpr int VkRight = 0x27;
inline constexpr int VkDown = 0x28;

// Mouse key flags of mouse messages.
inline constexpr std::uintptr_t MkLButton = 0x1;
inline constexpr std::uintptr_t MkRButton = 0x2;
inline constexpr std::uintptr_t MkShift = 0x4;
inline constexpr std::uintptr_t MkControl = 0x8;
inline constexpr std::uintptr_t MkMButton = 0x10;

// WM_NCHITTEST answers: a window that lets the one beneath it take the
// pointer, and the client area.
inline constexpr std::intptr_t HtTransparent = -1;
inline constexpr std::intptr_t HtClient = 1;

// System colours.
inline constexpr int ColorWindow = 5;
inline constexpr int ColorWindowText = 8;
inline constexpr int ColorBtnFace = 15;
inline constexpr int ColorBtnShadow = 16;
inline constexpr int ColorBtnText = 18;
inline constexpr int ColorBtnHighlight = 20;

// Default position for CreateWindowExA.
inline constexpr int CwUseDefault = static_cast<int>(0x80000000u);

}  // namespace platform
