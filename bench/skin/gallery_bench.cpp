// What the skin costs on the gallery, where every kind it paints is on screen
// at once: a full repaint of the skinned gallery against the same gallery as
// `--plain` shows it. Each run opens both windows in turn (never both at
// once: an activation passing between them would skin the plain one).
#include "bench/timing.h"
#include "platform/win.h"
#include "tools/gallery/gallery_form.h"

#include <cstdio>
#include <vector>

namespace {

using namespace taverel;

constexpr int kRuns = 7;
constexpr int kRepaints = 5;

double GalleryRepaint(bool skinned) {
    gallery::GalleryForm form(nullptr, skinned);
    form.Show();
    bench::Pump();
    const double cost = bench::RepaintMicroseconds(form.Window(), kRepaints);
    form.Close();
    bench::Pump();
    return cost;
}

}  // namespace

int main() {
    std::vector<double> skinned;
    std::vector<double> plain;
    for (int run = 0; run < kRuns; ++run) {
        plain.push_back(GalleryRepaint(false));
        skinned.push_back(GalleryRepaint(true));
    }
    const double skinned_us = bench::Median(skinned);
    const double plain_us = bench::Median(plain);
    std::printf("gallery, median of %d runs, microseconds\n", kRuns);
    std::printf("  full repaint, --plain (baseline)  %9.1f us   1.00x\n", plain_us);
    std::printf("  full repaint, skinned             %9.1f us  %6.2fx\n", skinned_us,
                skinned_us / plain_us);
    return 0;
}
