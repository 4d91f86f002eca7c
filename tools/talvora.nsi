; The Windows installer, made by tools/windows.sh:
;   makensis -DVERSION=1.0.0 -DSOURCE=<program folder> -DICON=<.ico> -DOUTFILE=<.exe>
;            -DFILES=<files.nsh> talvora.nsi
; files.nsh defines the macros InstallFiles, RemoveFiles (all but the dictionaries) and
; RemoveDictionaries, one line per shipped file.
; The keys live in key.dat in the program folder, so Talvora goes where the user may write:
; under the user's own program files, for this user alone, without administrator rights.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

Name "Talvora"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Talvora"
InstallDirRegKey HKCU "Software\Talvora" "InstallDir"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Talvora"
VIAddVersionKey "FileDescription" "Talvora installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "See LICENSE.txt"

!include "MUI2.nsh"
!include "${FILES}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\talvora.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Talvora"

Section "Talvora"
    SetOutPath "$INSTDIR"
    ; key.dat is not part of the package, and a dictionary already there may hold words the
    ; user added: only the programs and help pages are replaced.
    !insertmacro InstallFiles
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKCU "Software\Talvora" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Talvora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\talvora.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    CreateDirectory "$SMPROGRAMS\Talvora"
    CreateShortcut "$SMPROGRAMS\Talvora\Talvora.lnk" "$INSTDIR\talvora.exe"
    CreateShortcut "$SMPROGRAMS\Talvora\Uninstall Talvora.lnk" "$INSTDIR\Uninstall.exe"
SectionEnd

Section "Uninstall"
    ; The stored keys are the user's: they go only when the user says so, by name.
    IfFileExists "$INSTDIR\key.dat" 0 keys_done
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
            "The stored keys are in $INSTDIR\key.dat. Delete them too?$\r$\n$\r$\nChoose No to keep key.dat in its folder." \
            /SD IDNO IDYES keys_delete
        Goto keys_done
    keys_delete:
        Delete "$INSTDIR\key.dat"
    keys_done:
    ; Add puts the user's words into the dictionaries: they are the user's as much as the keys.
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "The dictionaries in $INSTDIR may hold words you added. Delete them too?$\r$\n$\r$\nChoose No to keep them in their folder." \
        /SD IDNO IDYES dictionaries_delete
    Goto dictionaries_done
    dictionaries_delete:
        !insertmacro RemoveDictionaries
    dictionaries_done:
    ; The shipped files by name: the user's own files in the folder stay, and so does it.
    !insertmacro RemoveFiles
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Talvora\Talvora.lnk"
    Delete "$SMPROGRAMS\Talvora\Uninstall Talvora.lnk"
    RMDir "$SMPROGRAMS\Talvora"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\Talvora"
SectionEnd
