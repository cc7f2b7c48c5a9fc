#include "tools/osdgen/PictureRender.h"

#include "tools/osdgen/AudioArt.h"
#include "tools/osdgen/BrightnessArt.h"
#include "tools/osdgen/IndicatorArt.h"
#include "tools/osdgen/Panel.h"
#include "tools/osdgen/PowerArt.h"

namespace osdgen {
namespace {

// The symbol in the middle; false when its text could not be laid out.
bool DrawSymbol(cairo_t* context, const Picture& picture, const Typeface& face) {
    switch (picture.design) {
        case Design::BrightnessUp:
            DrawBrightness(context, true, picture.level);
            return true;
        case Design::BrightnessDown:
            DrawBrightness(context, false, picture.level);
            return true;
        case Design::SpeakersOn:
            DrawSpeakers(context, false);
            return true;
        case Design::SpeakersMuted:
            DrawSpeakers(context, true);
            return true;
        case Design::WirelessOn:
            DrawWireless(context, true);
            return true;
        case Design::WirelessOff:
            DrawWireless(context, false);
            return true;
        case Design::TouchpadOn:
            return DrawTouchpad(context, face, true);
        case Design::TouchpadOff:
            return DrawTouchpad(context, face, false);
        case Design::MuteStrike:
            DrawMuteStrike(context);
            return true;
        case Design::VolumeArcs:
            DrawVolumeArcs(context, picture.level);
            return true;
        case Design::VolumeBars:
            DrawVolumeBars(context, picture.level);
            return true;
        case Design::AcPower:
            DrawAcPower(context);
            return true;
        case Design::Eject:
            return DrawEject(context, face);
        case Design::HdmiIn:
            return DrawHdmiIn(context, face);
        case Design::Battery:
            DrawBattery(context);
            return true;
    }
    return false;
}

cairo_status_t AppendToVector(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

icongen::SurfacePtr RenderPicture(const Picture& picture, const Typeface& face) {
    icongen::SurfacePtr surface{
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height)};
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    const icongen::ContextPtr context{cairo_create(surface.get())};
    cairo_t* cr = context.get();
    DrawPanel(cr, picture.width, picture.height);
    // The symbols are laid out for the common width; in the one pixel wider pictures they stay
    // on whole pixels, half a pixel left of the middle.
    const bool drawn = DrawSymbol(cr, picture, face);
    if (!drawn || !DrawCaption(cr, face, picture.caption, picture.width) ||
        cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    cairo_surface_flush(surface.get());
    return surface;
}

std::optional<std::vector<std::uint8_t>> EncodePng(cairo_surface_t* surface) {
    std::vector<std::uint8_t> png;
    if (cairo_surface_write_to_png_stream(surface, AppendToVector, &png) != CAIRO_STATUS_SUCCESS) {
        return std::nullopt;
    }
    return png;
}

}  // namespace osdgen
