// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/infosistema.h"

#include "game/puertos.h"

#include <QString>

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QProcess>
#include <cstdint>
#include <qt_windows.h>
#endif

namespace {

#ifdef Q_OS_WIN

// The registry root the search reads from, numbered as Windows numbers it.
constexpr std::uint32_t kRaizMaquina = 0x80000002u;  // HKEY_LOCAL_MACHINE

// The text that a registry query left in its buffer: bytes of UTF-16, whose
// closing NUL (when the value was stored with one) is not part of the text.
QString textoDeValor(const char16_t* datos, unsigned bytes)
{
    qsizetype n = bytes / sizeof(char16_t);
    if (n > 0 && datos[n - 1] == u'\0')
        --n;
    return QString::fromUtf16(datos, n);
}

// Reads a text value of the registry; KeyVal is "" when it could not.
bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    // The predefined roots are sign-extended handles on 64-bit Windows.
    const HKEY raiz = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(KeyRoot)));
    HKEY clave = nullptr;
    // Only reading is asked for: Windows refuses write access under
    // HKEY_LOCAL_MACHINE to a player who is not an administrator.
    if (RegOpenKeyExW(raiz, reinterpret_cast<LPCWSTR>(KeyName.utf16()), 0, KEY_READ, &clave) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    char16_t buffer[512] = {};  // 1024 bytes; longer values are not paths we can use
    DWORD tipo = 0;
    DWORD bytes = sizeof buffer;
    if (RegQueryValueExW(clave, reinterpret_cast<LPCWSTR>(SubKeyRef.utf16()), nullptr, &tipo,
                         reinterpret_cast<LPBYTE>(buffer), &bytes) != ERROR_SUCCESS) {
        KeyVal.clear();
        RegCloseKey(clave);
        return false;
    }
    // Only plain text values name a program; any other kind reads as "".
    KeyVal = tipo == REG_SZ ? textoDeValor(buffer, bytes) : QString();
    RegCloseKey(clave);
    return true;
}

bool iniciar(const QString& programa)
{
    return !programa.isEmpty() && QProcess::startDetached(programa, {});
}

// The PATH the program left in the registry; else MSINFO32.EXE in the folder
// the shared tools are in, if it is there. False when nothing was started.
bool buscarEIniciar()
{
    QString programa;
    if (GetKeyValue(kRaizMaquina, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
                    programa))
        return iniciar(programa);

    QString carpeta;
    if (GetKeyValue(kRaizMaquina, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), carpeta)) {
        const QString msinfo = carpeta + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo(msinfo).isFile())
            return iniciar(msinfo);
    }
    return false;
}

#else

// There is no system-information program to look for.
bool buscarEIniciar()
{
    return false;
}

#endif

}  // namespace

void StartSysInfo(CajaMensaje& caja)
{
    if (!buscarEIniciar())
        caja.mostrar(CajaMensaje::Icono::Ninguno,
                     QStringLiteral("La información del sistema no está disponible en este momento"));
}
