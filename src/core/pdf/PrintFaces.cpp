#include "core/pdf/PrintFaces.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

namespace vorbix::pdf {

namespace {

constexpr const char* kFamily = "Times New Roman";

// The font fontconfig picks for the family and weight, after its substitutions (aliases).
cairo_font_face_t* resolve(bool bold, std::string* family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamily));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) {
        return nullptr;
    }
    FcChar8* name = nullptr;
    if (family != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) {
        *family = reinterpret_cast<const char*>(name);
    }
    // The face keeps its own reference to the pattern.
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face);
        return nullptr;
    }
    return face;
}

} // namespace

PrintFaces::PrintFaces()
{
    m_regular = resolve(false, &m_family);
    m_bold = resolve(true, nullptr);
}

PrintFaces::~PrintFaces()
{
    if (m_regular != nullptr) {
        cairo_font_face_destroy(m_regular);
    }
    if (m_bold != nullptr) {
        cairo_font_face_destroy(m_bold);
    }
}

bool PrintFaces::ok(std::string& error) const
{
    if (m_regular == nullptr || m_bold == nullptr) {
        error = std::string("no font found for \"") + kFamily + "\" (is fontconfig set up?)";
        return false;
    }
    return true;
}

} // namespace vorbix::pdf
