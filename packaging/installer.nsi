; Muralto's installer: for the current user alone, without administrator
; rights, into a folder the user can write to (the program keeps its settings
; beside itself). Built by scripts/dist:
;
;   makensis -DTARGET=x86-unicode -DVERSION=1.2 -DSTAGE=FOLDER -DICON=FILE.ico -DOUTFILE=SETUP.exe installer.nsi
;
; TARGET is x86-unicode for the program that ships, amd64-unicode for the
; 64-bit build the end-to-end scenarios run where 32-bit programs cannot.
; STAGE is the folder laid out for the zip: Muralto.exe, README.txt and
; language\*.ini.
;
; The uninstaller takes /S (no questions; settings removed) and /KEEPSETTINGS
; (keep Muralto.ini and data\, asked or not).

!ifndef VERSION | STAGE | ICON | OUTFILE | TARGET
  !error "define VERSION, STAGE, ICON, OUTFILE and TARGET"
!endif

Target "${TARGET}"
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

; The running copy's application title, which is also the name of its value
; under the Run key.
!define TITLE "Muralto ${VERSION}"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Muralto"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SHORTCUT "$SMPROGRAMS\Muralto.lnk"
!define PUBLISHER "the Muralto team"

Name "Muralto ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Muralto"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
BrandingText "Muralto ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Muralto"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Muralto ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Muralto.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running Muralto holds its executable open and would write its settings
; files again when it ends, after they were removed: it is asked to close the
; way its own Exit does (it saves its settings first), and the executable is
; deleted once the process has let go of it. Either failing stops the
; (un)installation before anything has been changed.
!macro CLOSE_RUNNING_COPY un
Function ${un}CloseRunningCopy
  FindWindow $0 "TApplication" "${TITLE}"
  ${If} $0 <> 0
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "Muralto is running. Click OK to close it and go on." /SD IDOK IDOK +3
    SetErrorLevel 2
    Quit
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    StrCpy $1 0
    ${Do}
      FindWindow $0 "TApplication" "${TITLE}"
      ${If} $0 = 0
      ${OrIf} $1 >= 100
        ${ExitDo}
      ${EndIf}
      Sleep 100
      IntOp $1 $1 + 1
    ${Loop}
  ${EndIf}
  ; The window goes before the process: wait until the file can go as well.
  StrCpy $1 0
  ${Do}
    ClearErrors
    Delete "$INSTDIR\Muralto.exe"
    ${IfNot} ${Errors}
    ${OrIf} $1 >= 100
      ${ExitDo}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  ${If} ${FileExists} "$INSTDIR\Muralto.exe"
    MessageBox MB_OK|MB_ICONSTOP "Muralto could not be closed. Close it, then try again." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPY ""
!insertmacro CLOSE_RUNNING_COPY "un."

Section "Muralto"
  SetShellVarContext current
  Call CloseRunningCopy

  SetOutPath "$INSTDIR"
  File "${STAGE}/Muralto.exe"
  File "${STAGE}/README.txt"
  SetOutPath "$INSTDIR\language"
  File "${STAGE}/language/*.ini"
  ; The program never makes its data folder; an earlier installation's
  ; settings in it are left as they are.
  CreateDirectory "$INSTDIR\data"

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\Muralto.exe" "" "$INSTDIR\Muralto.exe" 0 SW_SHOWNORMAL "" \
    "Changes the desktop wallpaper on a timer"

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "Muralto"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINST_KEY}" "URLInfoAbout" "https://muralto.example.org/"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Muralto.exe,0"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Call un.CloseRunningCopy

  ; Settings go unless the command line says to keep them; asked when someone
  ; is there to answer. Yes is the default: a folder list cannot be undone.
  StrCpy $R1 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/KEEPSETTINGS" $R2
  ${IfNot} ${Errors}
    StrCpy $R1 1
  ${ElseIfNot} ${Silent}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 "Keep your settings and folder list?" IDNO +2
    StrCpy $R1 1
  ${EndIf}

  ; The Run value is this installation's only when it starts this copy; a
  ; copy unzipped elsewhere keeps its own. The program quotes its path when
  ; the path has a blank.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${TITLE}"
  StrLen $1 "$INSTDIR\Muralto.exe"
  StrCpy $2 $0 $1
  StrCpy $3 $0 1 $1
  StrLen $4 '"$INSTDIR\Muralto.exe" '
  StrCpy $5 $0 $4
  ${If} $2 == "$INSTDIR\Muralto.exe"
  ${AndIf} $3 == " "
    DeleteRegValue HKCU "${RUN_KEY}" "${TITLE}"
  ${ElseIf} $5 == '"$INSTDIR\Muralto.exe" '
    DeleteRegValue HKCU "${RUN_KEY}" "${TITLE}"
  ${EndIf}

  Delete "${SHORTCUT}"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\language\*.ini"
  RMDir "$INSTDIR\language"
  ${If} $R1 = 0
    Delete "$INSTDIR\Muralto.ini"
    RMDir /r "$INSTDIR\data"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; Last, so that an uninstallation cut short can be started again.
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd
