// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// Replays a fuzz target's corpus without libFuzzer: each file given, or
// each file of each folder given, goes through the target once. A broken
// invariant aborts, so the test fails.

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n);

int main(int argc, char** argv)
{
    int casos = 0;
    for (int i = 1; i < argc; ++i) {
        const QString ruta = QString::fromLocal8Bit(argv[i]);
        QStringList archivos{ruta};
        if (QFileInfo(ruta).isDir()) {
            archivos.clear();
            for (const QFileInfo& f : QDir(ruta).entryInfoList(QDir::Files, QDir::Name))
                archivos << f.filePath();
        }
        for (const QString& a : archivos) {
            QFile f(a);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(a));
                return 1;
            }
            const QByteArray b = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(b.constData()), static_cast<size_t>(b.size()));
            ++casos;
        }
    }
    std::printf("%d inputs replayed\n", casos);
    return casos > 0 ? 0 : 1;
}
