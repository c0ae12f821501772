// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmarks' main: Google Benchmark's own report, then each benchmark
// as a ratio to the baseline of its family (the one whose name has "base" in
// it, measured in the same run), so the figures mean the same on any machine.
// The report is the one Google Benchmark's flags ask for (--benchmark_format,
// --benchmark_color, --benchmark_out, ...); the ratios follow a console table
// and go to stderr after JSON or CSV, which stay machine-readable.

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// A family is the name up to its first "_" or "/": "busqueda", "relevo".
std::string familia(const std::string& nombre) { return nombre.substr(0, nombre.find_first_of("_/")); }

// Wraps the report the flags chose, taking note of the times as they pass.
class ConRazones : public benchmark::BenchmarkReporter {
public:
    explicit ConRazones(benchmark::BenchmarkReporter* informe) : informe_(informe) {}

    bool ReportContext(const Context& contexto) override { return informe_->ReportContext(contexto); }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        informe_->ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                tiempos_.push_back({r.benchmark_name(), r.GetAdjustedRealTime(), benchmark::GetTimeUnitString(r.time_unit)});
    }
    void Finalize() override
    {
        informe_->Finalize();
        std::FILE* salida = dynamic_cast<benchmark::ConsoleReporter*>(informe_) ? stdout : stderr;
        std::fflush(stdout);
        std::map<std::string, const Tiempo*> bases;
        for (const Tiempo& t : tiempos_)
            if (t.nombre.find("base") != std::string::npos)
                bases[familia(t.nombre)] = &t;
        for (const auto& [f, base] : bases) {
            bool titulo = false;
            for (const Tiempo& t : tiempos_) {
                if (familia(t.nombre) != f || &t == base || base->valor <= 0)
                    continue;
                if (!std::exchange(titulo, true))
                    std::fprintf(salida, "\nratio to %s (%.2f %s):\n", base->nombre.c_str(), base->valor, base->unidad);
                std::fprintf(salida, "  %-34s %6.3f\n", t.nombre.c_str(), t.valor / base->valor);
            }
        }
    }

private:
    struct Tiempo {
        std::string nombre;
        double valor;
        const char* unidad;
    };
    benchmark::BenchmarkReporter* informe_;
    std::vector<Tiempo> tiempos_;
};

}  // namespace

int main(int argc, char** argv)
{
    // The relay benchmarks run sockets on this thread's event loop.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Made by Google Benchmark from its flags, and owned by it.
    ConRazones informe(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&informe);
    benchmark::Shutdown();
    return 0;
}
