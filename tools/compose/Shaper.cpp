#include "Shaper.h"

#include <hb.h>

namespace compose {

Shaper::~Shaper() {
    if (font_) hb_font_destroy(font_);
}

bool Shaper::Load(const std::string& fontPath, std::string& error) {
    hb_blob_t* blob = hb_blob_create_from_file_or_fail(fontPath.c_str());
    if (!blob) { error = "cannot read font " + fontPath; return false; }
    hb_face_t* face = hb_face_create(blob, 0);
    hb_blob_destroy(blob);
    font_ = hb_font_create(face);
    hb_font_set_scale(font_, int(hb_face_get_upem(face)), int(hb_face_get_upem(face)));
    hb_face_destroy(face);
    hb_font_make_immutable(font_);
    spaceAdvance_ = Shape(u" ", false).advance;
    return true;
}

ShapedUnit Shaper::Shape(const std::u16string& text, bool leftToRight) const {
    hb_buffer_t* buf = hb_buffer_create();
    // Character-level clusters keep every mark on its own character, so the
    // glyphs of a sign or prefix can be handed to its own word object.
    hb_buffer_set_cluster_level(buf, HB_BUFFER_CLUSTER_LEVEL_CHARACTERS);
    hb_buffer_add_utf16(buf, reinterpret_cast<const uint16_t*>(text.data()), int(text.size()), 0,
                        int(text.size()));
    hb_buffer_set_direction(buf, leftToRight ? HB_DIRECTION_LTR : HB_DIRECTION_RTL);
    hb_buffer_set_script(buf, HB_SCRIPT_ARABIC);
    hb_buffer_set_language(buf, hb_language_from_string("ar", -1));
    hb_shape(font_, buf, nullptr, 0);
    unsigned n = 0;
    hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buf, &n);
    hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buf, &n);
    ShapedUnit out;
    double pen = 0;
    for (unsigned i = 0; i < n; ++i) {
        out.glyphs.push_back({info[i].codepoint, info[i].cluster, pen + pos[i].x_offset,
                              double(pos[i].y_offset)});
        pen += pos[i].x_advance;
    }
    out.advance = pen;
    hb_buffer_destroy(buf);
    return out;
}

} // namespace compose
