// Device independence of text layout with the real fonts: the table of tests/report measured
// with the installed Liberation fonts.
#include <QFontDatabase>
#include <QRawFont>

#include "platform/qt_test_font_metrics.h"
#include "report/layout_devices.h"
#include "support/qt_app.h"

namespace lumaro {
namespace {

TEST(TextLayoutDevices, RealFontsResolveToTheLiberationFonts) {
    testing::qtApp();
    for (auto [name, family] : {std::pair{"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"},
                                {"Courier New", "Liberation Mono"}}) {
        const QRawFont raw = QRawFont::fromFont(QFont(name));
        EXPECT_EQ(raw.familyName().toStdString(), family) << name;
    }
}

TEST(TextLayoutDevices, SameBreaksAndWidthsOnEveryDevice) {
    testing::qtApp();
    testing::checkDeviceTable(std::make_shared<testing::QtTestFontMetrics>());
}

}  // namespace
}  // namespace lumaro
