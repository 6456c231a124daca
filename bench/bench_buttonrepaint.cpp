// How long one repaint of a 100 x 30 button with the standard face and a
// caption takes. Build in Release to quote the figure.
#include "buttonex.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void repaintStandardFace(benchmark::State &state, int drawState)
{
    ButtonEx button;
    button.resize(100, 30);
    button.setCaption(QStringLiteral("Show Answer(s)"));
    for (auto _ : state) {
        button.Redraw(drawState);
        benchmark::DoNotOptimize(button.surface().image().constBits());
    }
}

void BM_RepaintUp(benchmark::State &state)
{
    repaintStandardFace(state, button::State::Up);
}
BENCHMARK(BM_RepaintUp)->Unit(benchmark::kMicrosecond);

void BM_RepaintDown(benchmark::State &state)
{
    repaintStandardFace(state, button::State::Down);
}
BENCHMARK(BM_RepaintDown)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
