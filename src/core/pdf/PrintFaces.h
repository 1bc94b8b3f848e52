#pragma once

#include <string>

typedef struct _cairo_font_face cairo_font_face_t;

namespace vorbix::pdf {

// The printout's two faces: "Times New Roman" and its bold, as fontconfig resolves them (its
// aliases give a metric-compatible face such as Liberation Serif where the font itself is missing).
// Owns the cairo font faces.
class PrintFaces
{
public:
    PrintFaces();
    ~PrintFaces();
    PrintFaces(const PrintFaces&) = delete;
    PrintFaces& operator=(const PrintFaces&) = delete;

    // False (with the reason) when fontconfig found no font at all.
    [[nodiscard]] bool ok(std::string& error) const;
    cairo_font_face_t* face(bool bold) const { return bold ? m_bold : m_regular; }
    // The family fontconfig chose, e.g. "Liberation Serif".
    const std::string& family() const { return m_family; }

private:
    cairo_font_face_t* m_regular = nullptr;
    cairo_font_face_t* m_bold = nullptr;
    std::string m_family;
};

} // namespace vorbix::pdf
