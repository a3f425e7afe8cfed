// The converter on a large include file: an Asm table of 1 000 000 numbers, read back and
// laid out as Proton Basic, as "Dönüştür" in the converter window does.

#include "code_layout.h"
#include "recoding.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pixmint;

constexpr int kNumbers = 1000000;

const QString& asmText()
{
    static const QString text = [] {
        QStringList table;
        table.reserve(kNumbers);
        for (int i = 0; i < kNumbers; ++i)
            table
                << QStringLiteral("%1").arg((i * 37 + 11) % 256, 2, 16, QLatin1Char('0')).toUpper();
        return codeTextFor(presetFormat(QStringLiteral("Asm")), table,
                           QStringLiteral("C:\\Resimler\\büyük.bmp"))
            .code.text;
    }();
    return text;
}

const NumberFormat kAsmSource = presetFormat(QStringLiteral("Asm"));
const NumberFormat kProtonTarget = presetFormat(QStringLiteral("Proton Basic"));

void BM_ReadAsm(benchmark::State& state)
{
    const QString& text = asmText();
    QStringList table;
    for (auto _ : state) {
        Kodu_dönüştür(text, kAsmSource, table, state.range(0) != 0);
        benchmark::DoNotOptimize(table.size());
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}
BENCHMARK(BM_ReadAsm)->Arg(0)->Arg(1)->ArgName("invert")->Unit(benchmark::kMillisecond);

// The whole command: read, invert and lay out again.
void BM_RecodeAsmToProtonBasic(benchmark::State& state)
{
    const QString& text = asmText();
    QStringList table;
    for (auto _ : state) {
        Kodu_dönüştür(text, kAsmSource, table, true);
        const CodeTextOutcome out =
            codeTextFor(kProtonTarget, table, QStringLiteral("C:\\Resimler\\büyük.inc"));
        benchmark::DoNotOptimize(out.code.text.size());
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}
BENCHMARK(BM_RecodeAsmToProtonBasic)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
