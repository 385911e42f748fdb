// render-fixture: writes the renderer's fixture folder, and checks a PNG that
// tiravel-render made of it.
//   render-fixture write DIR
//   render-fixture check FILE.png
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "FixturePage.h"
#include "PngFile.h"

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::string_view(argv[1]) == "write") {
            WriteFixtureFolder(argv[2]);
            return 0;
        }
        if (argc == 3 && std::string_view(argv[1]) == "check") {
            const TBitmap24 view = ReadPngFile(argv[2]);
            if (view.Width() != 600 || view.Height() != 975) {
                std::printf("size %d x %d, expected 600 x 975\n", view.Width(), view.Height());
                return 1;
            }
            int failures = 0;
            for (const TPixelProbe& probe : FixtureProbes()) {
                const TColor got = view.Pixel(probe.X, probe.Y);
                bool ok = true;
                for (int shift = 0; shift < 24; shift += 8)
                    ok = ok && std::abs(int((got >> shift) & 255) - int((probe.Expected >> shift) & 255)) <=
                                   probe.Tolerance;
                std::printf("%s (%d, %d): %06X, expected %06X: %s\n", probe.What, probe.X, probe.Y, got,
                            probe.Expected, ok ? "ok" : "WRONG");
                failures += !ok;
            }
            return failures ? 1 : 0;
        }
        std::fprintf(stderr, "usage: render-fixture write DIR | render-fixture check FILE.png\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "render-fixture: %s\n", e.what());
        return 1;
    }
}
