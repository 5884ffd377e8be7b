// Times a full repaint of a bar showing 50 cells, through the form's paint on
// a canvas that rasterises into memory: once over the plain background and
// once over the gradient, plus the gradient rebuild itself.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Application.h"
#include "bar/Gradient.h"
#include "fake/DataFileOnDisk.h"
#include "fake/FakePlatform.h"
#include "fake/FakePreferencesWindow.h"
#include "fake/RasterCanvas.h"

namespace {

constexpr int kCells = 50;
constexpr int kWarmUp = 20;
constexpr int kRounds = 500;

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double t : times) {
        total += t;
    }
    std::printf("%-34s median %8.1f us  mean %8.1f us  p95 %8.1f us  (%zu runs)\n", what,
                times[times.size() / 2], total / static_cast<double>(times.size()),
                times[times.size() * 95 / 100], times.size());
}

std::vector<double> TimeRepaints(pel::TFormPellorinth& form, pel::test::RasterCanvas& canvas) {
    for (int i = 0; i < kWarmUp; ++i) {
        form.Paint(canvas);
    }
    std::vector<double> times;
    times.reserve(kRounds);
    for (int i = 0; i < kRounds; ++i) {
        // Each repaint follows a move of the current cell, as hovering gives.
        const pel::GridModel& grid = form.Placement().Grid1();
        form.OnMouseMove(pel::ShiftState{},
                         {grid.bounds.left + (i % kCells) * grid.cellSize + grid.cellSize / 2,
                          grid.bounds.top + grid.cellSize / 2});
        canvas.pictures.clear();
        const auto start = Clock::now();
        form.Paint(canvas);
        times.push_back(MicrosecondsSince(start));
    }
    return times;
}

}  // namespace

int main() {
    pel::test::FakePlatform platform;
    platform.barVisible = true;
    pel::test::FakePreferencesWindow preferencesWindow;
    pel::Application app{platform, preferencesWindow};
    pel::TFormPellorinth& form = app.MainForm();
    std::vector<std::string> targets;
    for (int i = 0; i < kCells; ++i) {
        // Stock pictures carry pixels on the fake, so every icon is really drawn.
        targets.push_back(i % 7 == 3 ? std::string() : "https://example.org/" + std::to_string(i));
    }
    pel::Settings record;
    record.VisibleIconCount = kCells;
    pel::test::PutDataFile(platform, record, targets);
    form.OnShow();

    pel::test::RasterCanvas canvas(form.Placement().Panel1().bounds.Width(),
                                   form.Placement().Panel1().bounds.Height());
    std::printf("bar of %d visible cells, client %d x %d\n", kCells, canvas.image.width,
                canvas.image.height);

    Report("full repaint, plain background", TimeRepaints(form, canvas));

    pel::Settings gradient = record;
    gradient.GradientBackground = true;
    form.Preview(gradient);
    std::vector<double> rebuilds;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = Clock::now();
        const pel::PixelImage image =
            pel::GradientImage(true, gradient.GradientStartColor, gradient.GradientEndColor);
        rebuilds.push_back(MicrosecondsSince(start));
    }
    Report("gradient rebuild (36 x 36)", rebuilds);
    Report("full repaint, gradient background", TimeRepaints(form, canvas));

    canvas.pictures.clear();
    canvas.imageCount = 0;
    form.Paint(canvas);
    std::printf("per repaint: %zu icon draws, %d image copies (cells and two glyphs)\n",
                canvas.pictures.size(), canvas.imageCount);
    return 0;
}
