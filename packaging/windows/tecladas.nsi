; Tecladas' installer for Windows, made by scripts/windows.sh with Debian's makensis:
;   makensis -DVERSION=1.0.0 -DCARPETA=<portable folder> -DICONO=<.ico> -DSALIDA=<setup.exe> tecladas.nsi
; It installs for the current user only, so it needs no administrator rights, and its
; uninstaller keeps the user's history of runs unless asked to remove it.

; A 64-bit installer for a 64-bit program (and so it runs under a Wine without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!macro Requerido NOMBRE_DEFINICION
    !ifndef ${NOMBRE_DEFINICION}
        !error "Falta -D${NOMBRE_DEFINICION}=..."
    !endif
!macroend
!insertmacro Requerido VERSION
!insertmacro Requerido CARPETA
!insertmacro Requerido ICONO
!insertmacro Requerido SALIDA

!define NOMBRE "Tecladas"
!define CLAVE_DESINSTALAR "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tecladas"

Name "${NOMBRE}"
OutFile "${SALIDA}"
InstallDir "$LOCALAPPDATA\Programs\${NOMBRE}"
InstallDirRegKey HKCU "Software\${NOMBRE}" "Carpeta"
BrandingText "${NOMBRE} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1034 "ProductName" "${NOMBRE}"
VIAddVersionKey /LANG=1034 "FileDescription" "Instalación de ${NOMBRE}"
VIAddVersionKey /LANG=1034 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1034 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICONO}"
!define MUI_UNICON "${ICONO}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tecladas.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir ${NOMBRE}"
!define MUI_UNCOMPONENTSPAGE_TEXT_TOP "El historial de pruebas se conserva si no se marca; así no se pierde al instalar otra versión."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Spanish"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Tecladas"
    SetOutPath "$INSTDIR"
    File /r "${CARPETA}/*.*"
    WriteUninstaller "$INSTDIR\Desinstalar.exe"
    CreateShortcut "$SMPROGRAMS\${NOMBRE}.lnk" "$INSTDIR\Tecladas.exe" "" "$INSTDIR\Tecladas.exe" 0

    WriteRegStr HKCU "Software\${NOMBRE}" "Carpeta" "$INSTDIR"
    WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "DisplayName" "${NOMBRE}"
    WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "Publisher" "${NOMBRE}"
    WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "DisplayIcon" "$INSTDIR\Tecladas.exe"
    WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
    WriteRegStr HKCU "${CLAVE_DESINSTALAR}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
    WriteRegDWORD HKCU "${CLAVE_DESINSTALAR}" "NoModify" 1
    WriteRegDWORD HKCU "${CLAVE_DESINSTALAR}" "NoRepair" 1
SectionEnd

Section "un.Programa" SeccionPrograma
    SectionIn RO
    Delete "$SMPROGRAMS\${NOMBRE}.lnk"
    ; Only what the installer put there: the folder itself goes only if nothing else is left.
    Delete "$INSTDIR\Tecladas.exe"
    Delete "$INSTDIR\*.dll"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\sqldrivers"
    RMDir /r "$INSTDIR\imageformats"
    RMDir /r "$INSTDIR\translations"
    Delete "$INSTDIR\Desinstalar.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${CLAVE_DESINSTALAR}"
    DeleteRegKey HKCU "Software\${NOMBRE}"
SectionEnd

Section /o "un.Historial de pruebas" SeccionHistorial
    RMDir /r "$APPDATA\${NOMBRE}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SeccionPrograma} "El programa y su entrada en el menú Inicio."
    !insertmacro MUI_DESCRIPTION_TEXT ${SeccionHistorial} "Los resultados de todas las pruebas hechas (carpeta $APPDATA\${NOMBRE})."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
