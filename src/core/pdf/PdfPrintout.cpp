#include "core/pdf/PdfPrintout.h"

#include "core/pdf/PrintFaces.h"
#include "core/text/Cp1250.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>

namespace vorbix::pdf {

namespace {

constexpr double kFontPoints = 10.0;

cairo_status_t appendTo(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// Sets the face on the context and measures in its user space (layout units); vector surfaces do not
// hint metrics, so the measure holds at any scale the drawing uses.
class Pen
{
public:
    Pen(cairo_t* cr, const PrintFaces& faces) : m_cr(cr), m_faces(faces) {}

    void use(bool bold)
    {
        cairo_set_font_face(m_cr, m_faces.face(bold));
        cairo_set_font_size(m_cr, kFontPoints * kUnitsPerPoint);
    }
    double width(const std::string& utf8)
    {
        cairo_text_extents_t extents;
        cairo_text_extents(m_cr, utf8.c_str(), &extents);
        return extents.x_advance;
    }
    exports::TextExtent measure(const std::string& cp1250Text, bool bold)
    {
        use(bold);
        cairo_font_extents_t font;
        cairo_font_extents(m_cr, &font);
        return exports::TextExtent{static_cast<int>(std::ceil(width(cp1250::toUtf8(cp1250Text)))),
                                   static_cast<int>(std::ceil(font.ascent + font.descent))};
    }
    // The longest start of the text whose glyphs all lie within the width (code page 1250 is a byte a
    // letter, so every start is whole letters).
    std::string fitting(const std::string& cp1250Text, int widthUnits)
    {
        std::size_t fits = 0;
        std::size_t tooLong = cp1250Text.size() + 1;
        while (tooLong - fits > 1) {
            const std::size_t middle = (fits + tooLong) / 2;
            if (width(cp1250::toUtf8(std::string_view(cp1250Text).substr(0, middle))) <= widthUnits) {
                fits = middle;
            } else {
                tooLong = middle;
            }
        }
        return cp1250::toUtf8(std::string_view(cp1250Text).substr(0, fits));
    }

private:
    cairo_t* m_cr;
    const PrintFaces& m_faces;
};

void drawPage(cairo_t* cr, Pen& pen, const exports::PrintPage& page)
{
    cairo_font_extents_t font;
    for (const exports::PrintRun& run : page.runs) {
        if (run.text.empty()) {
            continue;
        }
        pen.use(run.bold);
        const std::string text = run.clipped ? pen.fitting(run.text, run.width) : cp1250::toUtf8(run.text);
        if (text.empty()) {
            continue;
        }
        cairo_font_extents(cr, &font);
        cairo_move_to(cr, run.x, run.y + font.ascent);
        cairo_show_text(cr, text.c_str());
    }
}

} // namespace

PdfPrintout printPdf(const exports::SheetTable& table, const PdfPageSize& size, const std::string& title)
{
    PdfPrintout out;
    const PrintFaces faces;
    if (!faces.ok(out.error)) {
        return out;
    }
    out.fontFamily = faces.family();
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(appendTo, &out.document, size.widthPoints, size.heightPoints);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, cp1250::toUtf8(title).c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Vorbix");
    cairo_t* cr = cairo_create(surface);
    Pen pen(cr, faces);
    out.layout = exports::layoutPrint(
        table, [&pen](const std::string& text, bool bold) { return pen.measure(text, bold); },
        static_cast<int>(size.widthPoints * kUnitsPerPoint), static_cast<int>(size.heightPoints * kUnitsPerPoint));

    const double scale = out.layout.scale / kUnitsPerPoint;
    cairo_scale(cr, scale, scale);
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (std::size_t p = 0; p < out.layout.pages.size(); ++p) {
        if (p > 0) {
            cairo_show_page(cr);
        }
        drawPage(cr, pen, out.layout.pages[p]);
    }
    cairo_show_page(cr);
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t finished = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    const cairo_status_t status = drawn != CAIRO_STATUS_SUCCESS ? drawn : finished;
    if (status != CAIRO_STATUS_SUCCESS) {
        out.error = std::string("the PDF could not be drawn: ") + cairo_status_to_string(status);
        out.document.clear();
        return out;
    }
    out.ok = true;
    return out;
}

} // namespace vorbix::pdf
