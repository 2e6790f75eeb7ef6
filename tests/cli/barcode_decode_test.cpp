// Codes painted by the engine through the Qt canvas into PNG files, read back by zbarimg and
// ZXingReader at 1, 2 and 3 pixels per module and at 0, 90, 180 and 270 degrees.
#include <gtest/gtest.h>

#include <random>

#include "decoder_support.h"

using namespace lumaro::testing;

namespace {

// The SSCC labels: "00" and 17 digits with the check digit added, read as GS1 data.
TEST(BarcodeDecode, SsccLabels) {
    LUMARO_REQUIRE_ORACLE("zbarimg");
    LUMARO_REQUIRE_ORACLE("ZXingReader");
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<Image> images;
    for (int i = 0; i < 200; ++i) {
        std::string serial;
        for (int k = 0; k < 17; ++k) serial += static_cast<char>('0' + digit(random));
        const std::string data = "00" + serial + gs1CheckDigit(serial);
        Image im{"sscc" + std::to_string(i) + ".png", {"barcode", "bcCodeEAN128C", "00" + serial, "--checksum"},
                 {"CODE-128", data, true}, {"Code128", data, true}};
        place(im, i);
        images.push_back(im);
    }
    TempDir dir("barcode");
    renderAndRead(images, dir);
}

TEST(BarcodeDecode, ProductAndOtherCodes) {
    LUMARO_REQUIRE_ORACLE("zbarimg");
    LUMARO_REQUIRE_ORACLE("ZXingReader");
    struct Code {
        std::vector<std::string> words;
        Decoded zbar, zxing;
    };
    // zbar reports UPC-A and UPC-E as the EAN-13 they stand for and does not read UPC-E with
    // number system 1. zbar's Codabar reader needs a ratio above 2 at one pixel per module.
    const Code codes[] = {
        {{"EAN13", "590123412345", "--checksum"}, {"EAN-13", "5901234123457"}, {"EAN-13", "5901234123457"}},
        {{"EAN8", "9638507", "--checksum"}, {"EAN-8", "96385074"}, {"EAN-8", "96385074"}},
        {{"UPC_A", "03600029145", "--checksum"}, {"EAN-13", "0036000291452"}, {"UPC-A", "036000291452"}},
        {{"UPC_E0", "654320", "--checksum"}, {"EAN-13", "0065000004328"}, {"UPC-E", "06543208"}},
        {{"UPC_E1", "123453", "--checksum"}, {}, {"UPC-E", "11234538"}},
        {{"Code128B", "Lumaro lot-7 b"}, {"CODE-128", "Lumaro lot-7 b"}, {"Code128", "Lumaro lot-7 b"}},
        {{"Code39", "LOT 12-A"}, {"CODE-39", "LOT 12-A"}, {"Code39", "LOT 12-A"}},
        {{"Code93", "LOT 12-A"}, {"CODE-93", "LOT 12-A"}, {"Code93", "LOT 12-A"}},
        {{"2_5_interleaved", "1234567890"}, {"I2/5", "1234567890"}, {"ITF", "1234567890"}},
        {{"Codebar", "12-34$", "--ratio", "3"}, {"Codabar", "A12-34$B"}, {"Codabar", "12-34$"}},
    };
    std::vector<Image> images;
    for (const Code& c : codes)
        for (int i = 0; i < 12; ++i) {
            Image im{"code" + std::to_string(images.size()) + ".png", {"barcode"}, c.zbar, c.zxing};
            im.words.insert(im.words.end(), c.words.begin(), c.words.end());
            place(im, i);
            images.push_back(im);
        }
    TempDir dir("barcode");
    renderAndRead(images, dir);
}

}  // namespace
