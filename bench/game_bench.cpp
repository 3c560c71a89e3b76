// Google Benchmark figures: scoring a row, loading the window, and restarting it,
// on Qt's offscreen platform.
#include <random>

#include <QApplication>

#include <benchmark/benchmark.h>

#include "game/scoring.h"
#include "offscreen.h"
#include "ui/form1.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_toolkit.h"

namespace {

void BM_evaluate(benchmark::State& state)
{
    game::State game;
    std::mt19937 random(1);
    for (int slot = 1; slot <= game::GuessSlots; ++slot)
        game.board.guess(slot).colour = game::Palette[random() % game::PaletteSize].colour;
    int row = 0;
    while (state.KeepRunning()) {
        game.row = row;
        game::evaluate(game);
        benchmark::DoNotOptimize(game.total);
        row = (row + 1) % game::GuessRows;
    }
}
BENCHMARK(BM_evaluate);

// A whole load as at start-up, without painting: window, controls, loaditems, setvariables.
void BM_load(benchmark::State& state)
{
    game::SeededUniform random(1);
    while (state.KeepRunning()) {
        ui::qt::QtToolkit toolkit([](int) {});
        ui::Form1 form(toolkit, random);
        form.load();
    }
}
BENCHMARK(BM_load)->Unit(benchmark::kMillisecond);

// Reset! as the player sees it: unload, load, the event loop's turn that paints
// the new board and deletes the old window.
void BM_restart(benchmark::State& state)
{
    game::SeededUniform random(1);
    ui::qt::QtToolkit toolkit([](int) {});
    ui::Form1 form(toolkit, random);
    form.load();
    while (state.KeepRunning()) {
        form.Reset_Click();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_restart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    useOffscreenScreens();
    QApplication app(argc, argv);
    ui::qt::setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
