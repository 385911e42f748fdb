// tiravel-render: draws one page from a folder of resources exactly as the
// page view of a W x H control shows it and writes the view as a PNG file.
//
//   tiravel-render --page N [--width W] [--height H] [--select SURA:AYA]
//                  --out FILE.png [--data DIR]
//
// Exit codes: 0 written, 1 the page or a picture is missing or unreadable or
// the file cannot be written, 2 wrong arguments.
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "PngFile.h"
#include "base/DataError.h"
#include "base/ResourceFolder.h"
#include "render/Canvas.h"
#include "render/PageRenderer.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/PageScale.h"
#include "pagemodel/Page.h"

namespace {
struct TOptions {
    int Page = 0;
    int Width = 600;
    int Height = 975;
    int SelectSura = 0, SelectAya = 0;
    std::filesystem::path Out;
    std::filesystem::path Data = TIRAVEL_RESOURCES_DIR;
};

struct TUsageError {
    std::string Message;
};
struct TRenderError {
    std::string Message;
};

int ParseInt(std::string_view text, const char* what, int min, int max) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        throw TUsageError{std::string(what) + " must be a whole number from " + std::to_string(min) +
                          " to " + std::to_string(max) + ", not \"" + std::string(text) + "\""};
    return value;
}

TOptions ParseArguments(int argc, char** argv) {
    TOptions options;
    bool havePage = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) throw TUsageError{std::string(arg) + " needs a value"};
            return argv[++i];
        };
        if (arg == "--page") {
            options.Page = ParseInt(value(), "--page", 1, 9999);
            havePage = true;
        } else if (arg == "--width") {
            options.Width = ParseInt(value(), "--width", 1, 10000);
        } else if (arg == "--height") {
            options.Height = ParseInt(value(), "--height", 1, 10000);
        } else if (arg == "--select") {
            const std::string_view v = value();
            const auto colon = v.find(':');
            if (colon == std::string_view::npos) throw TUsageError{"--select takes SURA:AYA"};
            options.SelectSura = ParseInt(v.substr(0, colon), "the sura of --select", 1, 114);
            options.SelectAya = ParseInt(v.substr(colon + 1), "the aya of --select", 1, 286);
        } else if (arg == "--out") {
            options.Out = std::string(value());
        } else if (arg == "--data") {
            options.Data = std::string(value());
        } else {
            throw TUsageError{"unknown argument \"" + std::string(arg) + "\""};
        }
    }
    if (!havePage) throw TUsageError{"--page N is required"};
    if (options.Out.empty()) throw TUsageError{"--out FILE.png is required"};
    return options;
}

void Render(const TOptions& options) {
    const TResourceFolder resources(options.Data);
    TPage page;
    try {
        ReadPageResource(page, options.Page, resources);
    } catch (const TMissingResource& e) {
        std::string message = "page " + std::to_string(options.Page);
        message += " not found: no " + ResourceNameToAscii(e.Name());
        message += " in " + options.Data.string();
        throw TRenderError{message};
    } catch (const TDataError& e) {
        throw TRenderError{"page " + std::to_string(options.Page) + " is unreadable: " + e.what()};
    }
    try {
        AttachPagePictures(page, resources);
    } catch (const TMissingResource& e) {
        throw TRenderError{"picture " + ResourceNameToAscii(e.Name()) + " of page " +
                           std::to_string(options.Page) + " not found in " + options.Data.string()};
    } catch (const TDataError& e) {
        throw TRenderError{"a picture of page " + std::to_string(options.Page) + " is unreadable: " + e.what()};
    }
    if (options.SelectSura && !page.SelectAya(options.SelectSura, options.SelectAya))
        std::fprintf(stderr, "tiravel-render: note: aya %d:%d is not on page %d, nothing selected\n",
                     options.SelectSura, options.SelectAya, options.Page);

    page.FitToView(options.Width, options.Height);
    TBitmap24 view(options.Width, options.Height);
    view.Fill(PageBackground);
    TBitmapTarget target(view);
    TCanvas canvas(target);
    DrawAntiAlias(canvas, page);
    try {
        WritePngFile(options.Out, view);
    } catch (const std::exception& e) {
        throw TRenderError{e.what()};
    }
}
}  // namespace

int main(int argc, char** argv) {
    try {
        Render(ParseArguments(argc, argv));
        return 0;
    } catch (const TUsageError& e) {
        std::fprintf(stderr,
                     "tiravel-render: %s\nusage: tiravel-render --page N [--width W] [--height H] "
                     "[--select SURA:AYA] --out FILE.png [--data DIR]\n",
                     e.Message.c_str());
        return 2;
    } catch (const TRenderError& e) {
        std::fprintf(stderr, "tiravel-render: %s\n", e.Message.c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tiravel-render: %s\n", e.what());
        return 1;
    }
}
