; The Windows installer: per user (no administrator needed, the default) or for all users,
; chosen on its first page or with /CurrentUser or /AllUsers; /S installs silently.
; scripts/windows/package.sh passes VERSION, STAGE (the folder to install, as deploy.sh made
; it), ICON, FILES and REMOVALS (the lists of its files to install and to remove), OUTFILE.
; A 64-bit installer for a 64-bit program (it also runs where only 64-bit Wine is installed).
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Ranvik"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ranvik"
!define CHART_CLASS "Ranvik.Chart"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\ranvik.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "The Ranvik developers"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "${PRODUCT} needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Ranvik" Main
  SectionIn RO
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The Start menu entry (SetShellVarContext, set by MultiUser, picks the user's or everyone's).
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\ranvik.exe" "" "$INSTDIR\ranvik.exe" 0

  ; Charts open with a double-click; SHCTX is HKCU per user, HKLM for all users.
  WriteRegStr SHCTX "Software\Classes\.tms" "" "${CHART_CLASS}"
  WriteRegStr SHCTX "Software\Classes\.tms" "Content Type" "application/x-ranvik-chart"
  WriteRegStr SHCTX "Software\Classes\${CHART_CLASS}" "" "Ranvik tournament chart"
  WriteRegStr SHCTX "Software\Classes\${CHART_CLASS}\DefaultIcon" "" "$INSTDIR\ranvik.exe,0"
  WriteRegStr SHCTX "Software\Classes\${CHART_CLASS}\shell\open\command" "" '"$INSTDIR\ranvik.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\ranvik.exe\SupportedTypes" ".tms" ""
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Ranvik developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ranvik.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: the director's charts, the settings (Ranvik.ini in
; the roaming application data) and the recovery copies (ranvik in the local application
; data) stay, as does any file the user added to the program's folder.
Section "Uninstall"
  !include "${REMOVALS}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ReadRegStr $0 SHCTX "Software\Classes\.tms" ""
  ${If} $0 == "${CHART_CLASS}"
    DeleteRegKey SHCTX "Software\Classes\.tms"
  ${EndIf}
  DeleteRegKey SHCTX "Software\Classes\${CHART_CLASS}"
  DeleteRegKey SHCTX "Software\Classes\Applications\ranvik.exe"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
