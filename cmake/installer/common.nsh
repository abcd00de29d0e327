; What the setup program (NSIS.template.in) and the uninstaller (uninstall.nsi.in) share: the
; names of what they write, where the uninstall entry lives, and the wait for a running drelm idle.

!include "LogicLib.nsh"
!include "WinVer.nsh"

!define PRODUCT "drelm idle"
!define PROGRAM_EXE "drelm-idle.exe"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\drelm idle.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\drelm idle"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "drelm idle"
; The program's main window; while it exists the program's files are in use.
!define MAIN_WINDOW_CLASS "DrelmIdleMain"
; The folder of a first install on 2000 and later: the user's own, writable without
; administrator rights, where the program may write its log beside itself.
!define PER_USER_FOLDER "$LOCALAPPDATA\Programs\${PRODUCT}"
; The folder on 98 and ME, which have no per-user program folder ($LOCALAPPDATA is empty on 98)
; and let every user write to Program Files.
!define SHARED_FOLDER "$PROGRAMFILES\${PRODUCT}"

; The uninstall entry goes where Windows' list of programs reads it: the user's own registry on
; the NT line, the machine's on 98 and ME, whose list has only that one. SHCTX writes there between
; the two macros (SetShellVarContext also moves the shell folders, so keep the pair tight).
!macro UninstallEntryContext
  ${IfNot} ${IsNT}
    SetShellVarContext all
  ${EndIf}
!macroend
!macro UserContext
  SetShellVarContext current
!macroend

; Waits for the user to close a running drelm idle; a silent run, or a user who cancels, stops
; here before anything is touched (exit code 2).
!macro RequireProgramClosed
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${IfThen} $0 = 0 ${|} ${ExitDo} ${|}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "drelm idle is running. Close it, then click Retry." /SD IDCANCEL IDRETRY +2
    Abort "drelm idle is running: nothing was changed."
  ${Loop}
!macroend
