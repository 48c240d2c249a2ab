; SPDX-License-Identifier: MIT
; The Windows installer, in French. scripts/windows.sh defines VERSION, STAGE (the program
; folder to install), UNINSTALL_LIST (its files and folders, for the uninstaller), LICENCES
; (the licence page's text), ICON and OUTFILE.
; A 64-bit installer, for a 64-bit program (Wine's 64-bit half runs it too).
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define NAME "Kornibelle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de ${NAME}, jeu de paires d’animaux"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "CompanyName" "Les développeurs de Kornibelle"
VIAddVersionKey /LANG=1036 "LegalCopyright" "© 2026 Les développeurs de Kornibelle"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; No "start the game" box: started from here, the game would inherit the installer's
; administrator rights.
!define MUI_FINISHPAGE_TEXT "Kornibelle est installé sur votre ordinateur.$\r$\n$\r$\nPour jouer, ouvrez le menu Démarrer et choisissez Kornibelle.$\r$\n$\r$\nCliquez sur Fermer pour quitter l’installation."

!insertmacro MUI_PAGE_WELCOME
!define MUI_LICENSEPAGE_TEXT_TOP "Kornibelle et ses images et sons sont des logiciels libres."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Ces licences vous donnent des droits ; elles ne vous demandent rien pour jouer. Cliquez sur « J’accepte » pour continuer."
!insertmacro MUI_PAGE_LICENSE "${LICENCES}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "French"

; The shortcut is for every user of the computer, as the program is.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

; The game's program file cannot be replaced while the game runs: the player is asked to close
; it, rather than met by a file in use. Takes the folder on the stack.
!macro WaitForGameClosed un
Function ${un}WaitForGameClosed
  Exch $R0
  IfFileExists "$R0\Kornibelle.exe" 0 closed
  retry:
    ClearErrors
    FileOpen $0 "$R0\Kornibelle.exe" a
    IfErrors 0 opened
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Kornibelle est ouvert.$\r$\n$\r$\nFermez le jeu, puis cliquez sur « Réessayer »." \
      /SD IDCANCEL IDRETRY retry
    Abort
  opened:
    FileClose $0
  closed:
  Pop $R0
FunctionEnd
!macroend
!insertmacro WaitForGameClosed ""
!insertmacro WaitForGameClosed "un."

; An older version's files go first, through its own uninstaller, which keeps the players'
; settings. Run in place (_?=) so that it is waited for; it cannot delete itself then.
Function RemovePreviousVersion
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  StrCmp $1 "" done
  IfFileExists "$1\Désinstaller Kornibelle.exe" 0 done
  Push $1
  Call WaitForGameClosed
  ExecWait '"$1\Désinstaller Kornibelle.exe" /S _?=$1'
  Delete "$1\Désinstaller Kornibelle.exe"
  RMDir "$1"
  done:
FunctionEnd

Section "Kornibelle"
  Push $INSTDIR
  Call WaitForGameClosed
  Call RemovePreviousVersion
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Désinstaller Kornibelle.exe"
  ; The game reads its pictures and sounds from the folder it starts in: its own.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\Kornibelle.exe" "" "$INSTDIR\Kornibelle.exe" 0 \
    SW_SHOWNORMAL "" "Jeu de paires d’animaux pour les petits"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Les développeurs de Kornibelle"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kornibelle.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Désinstaller Kornibelle.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what was installed, file by file: the settings and the trace a user may have left
; beside the program, and the folders that hold them, stay.
Section "Uninstall"
  Push $INSTDIR
  Call un.WaitForGameClosed
  Delete "$SMPROGRAMS\${NAME}.lnk"
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\Désinstaller Kornibelle.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
