#include "platform/image_render.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include "core/error.h"
#include "platform/qt_canvas.h"

namespace lumaro {

QImage renderImage(int width, int height, const std::function<void(Canvas&)>& draw) {
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    if (image.isNull())
        throw Exception("Cannot make an image of " + std::to_string(width) + " x " + std::to_string(height) +
                        " pixels");
    image.setDotsPerMeterX(3780);  // 96 dots per inch
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

void savePng(const QImage& image, const std::string& path) {
    // Written beside the final name; an existing file is replaced only by a complete one.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw EFileError("Cannot write \"" + path + "\": " + file.errorString().toStdString());
    QImageWriter writer(&file, "png");
    if (!writer.write(image) || !file.commit())
        throw EFileError("Cannot write \"" + path + "\": " +
                         (writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString())
                             .toStdString());
}

}  // namespace lumaro
