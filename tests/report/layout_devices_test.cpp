// Device independence with the deterministic metrics (the real fonts: tests/platform).
#include "report/layout_devices.h"

namespace lumaro {
namespace {

TEST(LayoutDevices, SameBreaksAndWidthsOnEveryDevice) {
    testing::checkDeviceTable(std::make_shared<test::FixedFontMetrics>());
}

}  // namespace
}  // namespace lumaro
