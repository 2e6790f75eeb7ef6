// Device independence of text layout with the real fonts: the table of tests/report measured
// with the installed Liberation fonts (tests/platform checks that the template fonts resolve
// to them).
#include "platform/qt_font_metrics.h"
#include "report/layout_devices.h"
#include "support/qt_app.h"

namespace lumaro {
namespace {

TEST(TextLayoutDevices, SameBreaksAndWidthsOnEveryDevice) {
    testing::qtApp();
    testing::checkDeviceTable(std::make_shared<QtFontMetrics>());
}

}  // namespace
}  // namespace lumaro
