// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/infosistema.h"

#include "game/puertos.h"

#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace infosistema {

QString sinInformacion()
{
    return QStringLiteral("La información del sistema no está disponible en este momento");
}

QString textoDeValor(const char16_t* datos, unsigned bytes)
{
    qsizetype n = bytes / sizeof(char16_t);
    if (n > 0 && datos[n - 1] == u'\0')
        --n;
    return QString::fromUtf16(datos, n);
}

#ifdef Q_OS_WIN

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

#else

bool GetKeyValue(std::uint32_t, const QString&, const QString&, QString& KeyVal)
{
    KeyVal.clear();
    return false;
}

#endif

Sistema sistemaReal()
{
    Sistema s;
    s.GetKeyValue = &GetKeyValue;
    s.existeArchivo = [](const QString& archivo) { return QFileInfo(archivo).isFile(); };
    s.iniciar = [](const QString& programa) {
        return !programa.isEmpty() && QProcess::startDetached(programa, {});
    };
    return s;
}

bool buscarEIniciar(const Sistema& sistema)
{
    QString programa;
    if (sistema.GetKeyValue(kRaizMaquina, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                            QStringLiteral("PATH"), programa))
        return sistema.iniciar(programa);

    QString carpeta;
    if (sistema.GetKeyValue(kRaizMaquina, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                            QStringLiteral("MSINFO"), carpeta)) {
        const QString msinfo = carpeta + QStringLiteral("\\MSINFO32.EXE");
        if (sistema.existeArchivo(msinfo))
            return sistema.iniciar(msinfo);
    }
    return false;
}

}  // namespace infosistema

void StartSysInfo(CajaMensaje& caja, const infosistema::Sistema& sistema)
{
    if (!infosistema::buscarEIniciar(sistema))
        caja.mostrar(CajaMensaje::Icono::Ninguno, infosistema::sinInformacion());
}
