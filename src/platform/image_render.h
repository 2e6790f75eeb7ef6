#pragma once
// Drawing into an image through QtCanvas, and saving it as a PNG file.
#include <QImage>
#include <functional>
#include <string>

#include "gfx/canvas.h"

namespace lumaro {

// A white image of width × height pixels (96 dots per inch) with `draw` run on it. Raises
// Exception when no image of that size can be made.
QImage renderImage(int width, int height, const std::function<void(Canvas&)>& draw);

// Writes the image as PNG; an existing file is replaced only by a complete one. Raises
// EFileError naming the file when it cannot be written.
void savePng(const QImage& image, const std::string& path);

}  // namespace lumaro
