// One scaling pass of the form scaling kit over windows with many controls
// (labels and edit fields in frames), on the offscreen platform.

#include "controls/TResizeKit.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

void BM_ScalingPass(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0)) / 10;
    QWidget window;
    window.resize(745, 623);
    for (int f = 0; f < frames; ++f) {
        auto* frame = new QFrame(&window);
        frame->setGeometry((f % 10) * 74, (f / 10) * 60, 70, 56);
        for (int c = 0; c < 9; ++c) {
            QWidget* control = c % 2 ? static_cast<QWidget*>(new QLineEdit(frame)) : new QLabel("Text", frame);
            control->setGeometry(2 + (c % 3) * 22, 2 + (c / 3) * 18, 20, 16);
        }
    }
    new termora::TResizeKit(&window);
    window.show();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        window.resize(wide ? 1000 : 745, wide ? 836 : 623);  // each size change runs one pass
    }
    state.counters["controls"] = frames * 10;
}
BENCHMARK(BM_ScalingPass)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
