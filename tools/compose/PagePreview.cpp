// tiravel-compose-preview: a developer's look at composed page data, drawn
// with cairo, with the rectangles where the viewer puts the header frames
// and basmalah pictures for a given view size.
//
//   tiravel-compose-preview PAGEFILE OUT.png [VIEW_WIDTH VIEW_HEIGHT]
#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

struct Reader {
    std::vector<uint8_t> data;
    size_t at = 0;
    template <class T> T Get() { T v; std::memcpy(&v, &data[at], sizeof(T)); at += sizeof(T); return v; }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) { std::fprintf(stderr, "usage: %s PAGEFILE OUT.png [W H]\n", argv[0]); return 2; }
    std::ifstream f(argv[1], std::ios::binary);
    Reader r{std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {})};
    int vw = argc > 4 ? std::atoi(argv[3]) : 600, vh = argc > 4 ? std::atoi(argv[4]) : 975;
    const double pageH = 943.12646;
    double scale = std::min(1.0, vh / pageH) * 3;  // drawn at the supersampled size
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, vw * 3, vh * 3);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    int n = r.Get<int32_t>();
    std::vector<float> lineMaxY(16, 0);
    std::vector<bool> hasWords(16, false);
    for (int i = 0; i < n; ++i) {
        int line = r.Get<int32_t>();
        hasWords[line] = true;
        int g = r.Get<int32_t>();
        for (int k = 0; k < g; ++k) {
            float mx = r.Get<float>(), my = r.Get<float>();
            int m = r.Get<int32_t>();
            cairo_new_path(cr);
            cairo_move_to(cr, mx * scale, my * scale);
            bool mark = r.data[r.at + 28 * m] != 0;
            for (int j = 0; j < m; ++j) {
                float p[6];
                std::memcpy(p, &r.data[r.at], 24);
                uint8_t kind = r.data[r.at + 24];
                r.at += 28;
                if (kind == 0) cairo_move_to(cr, p[0] * scale, p[1] * scale);
                else if (kind == 1) cairo_line_to(cr, p[0] * scale, p[1] * scale);
                else cairo_curve_to(cr, p[0] * scale, p[1] * scale, p[2] * scale, p[3] * scale, p[4] * scale, p[5] * scale);
                for (int q = 0; q < 6; q += 2) if (kind == 2 || q == 0) lineMaxY[line] = std::max(lineMaxY[line], p[q + 1]);
            }
            r.at += 1 + 16;
            if (mark) cairo_set_source_rgb(cr, 0.1, 0.35, 0.15); else cairo_set_source_rgb(cr, 0, 0, 0);
            cairo_fill(cr);
        }
        r.at += 12 + 1 + 12 + 1;
    }
    // Header and basmalah rectangles as the viewer places them (749 x 90 and 749 x 57 pictures).
    double W = vw * 3;
    double frameH = std::nearbyint(W * 90.0 / 749.0), basH = std::nearbyint(W * 57.0 / 749.0);
    double lastBottom = 0;
    cairo_set_line_width(cr, 2);
    for (int i = 1; i <= 14; ++i) {
        if (hasWords[i]) continue;
        double top = i == 1 ? 0 : std::nearbyint(lineMaxY[i - 1] * scale) + std::nearbyint(3 * scale);
        cairo_set_source_rgba(cr, 0.8, 0.2, 0.1, 0.6);
        cairo_rectangle(cr, 0, top, W, frameH);
        cairo_stroke(cr);
        lastBottom = top + frameH;
        if (i + 1 <= 15 && !hasWords[i + 1]) {
            double bt = lastBottom + (i + 1 == 2 ? std::nearbyint(15 * scale) : 0) + std::nearbyint(3 * scale);
            cairo_set_source_rgba(cr, 0.1, 0.2, 0.8, 0.6);
            cairo_rectangle(cr, 0, bt, W, basH);
            cairo_stroke(cr);
            ++i;
        }
    }
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, vw, vh);
    cairo_t* c2 = cairo_create(out);
    cairo_scale(c2, 1.0 / 3, 1.0 / 3);
    cairo_set_source_surface(c2, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(c2), CAIRO_FILTER_GOOD);
    cairo_paint(c2);
    cairo_surface_write_to_png(out, argv[2]);
    return 0;
}
