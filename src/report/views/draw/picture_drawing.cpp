// Pictures: the graphic stretched (keeping its aspect ratio, centred) or at its own size, and
// the designer's placeholder for a picture object that has no graphic yet.
#include "core/resources.h"
#include "gfx/picture_draw.h"
#include "report/views/draw/draw_tools.h"
#include "report/views/draw_context.h"
#include "report/views/picture_view.h"

namespace lumaro {

namespace {

// A 16 × 16 picture of a picture: a framed landscape with a sun.
const Image& placeholderImage() {
    static const Image image = [] {
        constexpr int n = 16;
        Image im{n, n, std::vector<uint32_t>(n * n)};
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                uint32_t c = 0xFFBFE3FF;                                                   // sky
                if (y >= 10 - (x < 8 ? x / 3 : (15 - x) / 2)) c = 0xFF3C9A3C;             // hills
                if ((x - 11) * (x - 11) + (y - 4) * (y - 4) <= 4) c = 0xFFF2C230;          // sun
                if (x == 0 || y == 0 || x == n - 1 || y == n - 1) c = 0xFF6E6E6E;          // frame
                im.pixels[y * n + x] = c;
            }
        }
        return im;
    }();
    return image;
}

}  // namespace

void TfrxPictureView::Draw(const DrawContext& context) const {
    Canvas& canvas = context.canvas;
    const DrawBox box = BeginDraw(context);
    DrawBackground(context, box);
    const TGraphic* g = graphic();
    if (g && !g->isEmpty()) {
        drawPicture(canvas, box.rect(), g, PictureLayout{stretched_, keepAspectRatio_, center_}, context.scaleX,
                    context.scaleY);
    } else if (IsDesigning()) {
        FontSpec font;
        font.name = "Tahoma";
        font.pixelSize = 11;  // 8 points at 96 pixels per inch
        font.color = clBlack;
        canvas.setFont(font);
        canvas.drawText({box.x + 20.0, box.y + 3.0}, frxGet("obPicture"));
        const Image& icon = placeholderImage();
        canvas.drawImage(RectF::fromXYWH(box.x + 1.0, box.y + 2.0, icon.width, icon.height), icon);
    }
    DrawFrame(context, box);
}

}  // namespace lumaro
