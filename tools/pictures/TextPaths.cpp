#include "TextPaths.h"

#include <fstream>
#include <iterator>
#include <mutex>
#include <stdexcept>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <hb-ft.h>
#include <hb.h>

namespace pictures {

struct TFontFace::TImpl {
    std::vector<char> bytes;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    hb_blob_t* blob = nullptr;
    hb_face_t* hbFace = nullptr;
    std::mutex outlineLock;  // one FreeType face is not to be used by two threads at once
};

TFontFace::TFontFace(const std::string& file) : FImpl(std::make_unique<TImpl>()) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the font face " + file);
    FImpl->bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (FT_Init_FreeType(&FImpl->library) ||
        FT_New_Memory_Face(FImpl->library, reinterpret_cast<const FT_Byte*>(FImpl->bytes.data()),
                           FT_Long(FImpl->bytes.size()), 0, &FImpl->face))
        throw std::runtime_error("FreeType cannot open " + file);
    FImpl->blob = hb_blob_create(FImpl->bytes.data(), unsigned(FImpl->bytes.size()),
                                 HB_MEMORY_MODE_READONLY, nullptr, nullptr);
    FImpl->hbFace = hb_face_create(FImpl->blob, 0);
}

TFontFace::~TFontFace() {
    hb_face_destroy(FImpl->hbFace);
    hb_blob_destroy(FImpl->blob);
    FT_Done_Face(FImpl->face);
    FT_Done_FreeType(FImpl->library);
}

namespace {

struct TOutlineSink {
    TVectorPath* path;
    double k, ox, oy;  // pixel = origin + font units * k, y flipped
    TVec current;
    TVec Map(const FT_Vector* v) const { return {ox + v->x * k, oy - v->y * k}; }
};

int OnMove(const FT_Vector* to, void* user) {
    auto* s = static_cast<TOutlineSink*>(user);
    s->current = s->Map(to);
    s->path->MoveTo(s->current);
    return 0;
}
int OnLine(const FT_Vector* to, void* user) {
    auto* s = static_cast<TOutlineSink*>(user);
    s->current = s->Map(to);
    s->path->LineTo(s->current);
    return 0;
}
int OnConic(const FT_Vector* c, const FT_Vector* to, void* user) {
    auto* s = static_cast<TOutlineSink*>(user);
    const TVec end = s->Map(to);
    s->path->QuadTo(s->current, s->Map(c), end);
    s->current = end;
    return 0;
}
int OnCubic(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* s = static_cast<TOutlineSink*>(user);
    s->current = s->Map(to);
    s->path->CubicTo(s->Map(c1), s->Map(c2), s->current);
    return 0;
}

std::u16string FromUtf8(std::string_view s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp;
        int n;
        if (c < 0x80) cp = c, n = 1;
        else if ((c >> 5) == 6) cp = c & 0x1F, n = 2;
        else if ((c >> 4) == 14) cp = c & 0x0F, n = 3;
        else cp = c & 0x07, n = 4;
        for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        i += std::size_t(n);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
    }
    return out;
}

}  // namespace

TTextPath TFontFace::Shape(std::string_view utf8, double sizePx, bool rightToLeft) const {
    return Shape(FromUtf8(utf8), sizePx, rightToLeft);
}

TTextPath TFontFace::Shape(std::u16string_view text, double sizePx, bool rightToLeft) const {
    return ShapeRun(text, sizePx, rightToLeft, true);
}

TTextPath TFontFace::ShapePlainDigits(std::u16string_view digits, double sizePx) const {
    return ShapeRun(digits, sizePx, false, false);
}

TTextPath TFontFace::ShapeRun(std::u16string_view text, double sizePx, bool rightToLeft, bool ornaments) const {
    TTextPath out;
    const unsigned upem = hb_face_get_upem(FImpl->hbFace);
    hb_font_t* font = hb_font_create(FImpl->hbFace);
    hb_font_set_scale(font, int(upem), int(upem));
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.data()), int(text.size()), 0,
                        int(text.size()));
    hb_buffer_set_direction(buffer, rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer, rightToLeft ? HB_SCRIPT_ARABIC : HB_SCRIPT_LATIN);
    hb_buffer_set_language(buffer, hb_language_from_string(rightToLeft ? "ar" : "en", -1));
    // The ornament around a run of digits is one of the faces' contextual alternates.
    hb_feature_t noOrnament{HB_TAG('c', 'a', 'l', 't'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
    hb_shape(font, buffer, ornaments ? nullptr : &noOrnament, ornaments ? 0 : 1);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);

    const double k = sizePx / upem;
    FT_Outline_Funcs funcs{OnMove, OnLine, OnConic, OnCubic, 0, 0};
    double pen = 0;
    {
        std::lock_guard<std::mutex> lock(FImpl->outlineLock);
        for (unsigned i = 0; i < count; ++i) {
            if (!FT_Load_Glyph(FImpl->face, info[i].codepoint, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) &&
                FImpl->face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
                TOutlineSink sink{&out.path, k, (pen + pos[i].x_offset) * k, -pos[i].y_offset * k, {}};
                FT_Outline_Decompose(&FImpl->face->glyph->outline, &funcs, &sink);
            }
            pen += pos[i].x_advance;
        }
    }
    hb_buffer_destroy(buffer);
    hb_font_destroy(font);
    out.advance = pen * k;
    out.ink = out.path.Bounds();
    return out;
}

TVectorPath CentreInk(const TTextPath& t, TVec c) {
    if (t.ink.Empty()) return {};
    return t.path.Transformed(TAffine::Translate(c.x - (t.ink.left + t.ink.right) / 2,
                                                 c.y - (t.ink.top + t.ink.bottom) / 2));
}

TVectorPath CentredText(const TFontFace& face, std::u16string_view text, double sizePx, double cx,
                        double baseline, double maxWidth, bool rightToLeft) {
    TTextPath t = face.Shape(text, sizePx, rightToLeft);
    if (t.ink.Empty()) return {};
    double scale = 1;
    if (maxWidth > 0 && t.ink.Width() > maxWidth) scale = maxWidth / t.ink.Width();
    const double mid = (t.ink.left + t.ink.right) / 2;
    return t.path.Transformed(TAffine::Translate(cx, baseline) * TAffine::Scale(scale, scale) *
                              TAffine::Translate(-mid, 0));
}

} // namespace pictures
