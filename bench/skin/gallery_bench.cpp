// What the skin costs on the gallery, where every kind it paints is on screen
// at once: a full repaint of the skinned gallery against the same gallery as
// `--plain` shows it. Each run opens both windows in turn (never both at
// once: an activation passing between them would skin the plain one).
#include "bench/timing.h"
#include "platform/win.h"
#include "tools/gallery/gallery_form.h"

#include <cstdio>

namespace {

using namespace taverel;

constexpr int kRuns = 9;
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
    const bench::Comparison repaint = bench::ComparePairs(GalleryRepaint, kRuns);
    std::printf("gallery, medians of paired runs\n");
    std::printf("  full repaint, --plain (baseline)  %9.1f us   1.00x\n", repaint.baseline);
    std::printf("  full repaint, skinned             %9.1f us  %6.2fx\n", repaint.subject,
                repaint.ratio);
    return 0;
}
