// Codes painted by the engine through the Qt canvas into PNG files, read back by zbarimg and
// ZXingReader at 1, 2 and 3 pixels per module and at 0, 90, 180 and 270 degrees.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cli_support.h"

using namespace lumaro::testing;
namespace fs = std::filesystem;

namespace {

struct Decoded {
    std::string type, data;
    bool gs1 = false;
};

struct Image {
    std::string file;
    std::vector<std::string> words;  // lumaro-cli barcode ...
    Decoded zbar;                    // empty type: zbar does not read this symbology
    Decoded zxing;
    int modulePx = 1;
};

class TempDir {
public:
    TempDir() {
        std::string templ = (fs::temp_directory_path() / "lumaro-barcode-XXXXXX").string();
        path_ = mkdtemp(templ.data()) ? templ : std::string();
    }
    ~TempDir() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Renders every image with one shell run, in two halves side by side; returns the files
// that failed.
std::string render(const std::vector<Image>& images) {
    std::string halves[2];
    for (size_t i = 0; i < images.size(); ++i) {
        const Image& im = images[i];
        std::string cmd = shellQuote(cliPath());
        for (const auto& w : im.words) cmd += " " + shellQuote(w);
        halves[i % 2] += cmd + " --png " + shellQuote(im.file) + " >/dev/null 2>&1 || echo failed: " +
                         shellQuote(im.file) + "\n";
    }
    return runCommand("sh -c " + shellQuote(halves[0]) + " & sh -c " + shellQuote(halves[1]) + " & wait");
}

std::string fileList(const std::vector<Image>& images) {
    std::string list;
    for (const Image& im : images) list += " " + shellQuote(im.file);
    return list;
}

std::string between(const std::string& s, size_t from, const std::string& open, const std::string& close,
                    size_t limit) {
    const size_t a = s.find(open, from);
    if (a == std::string::npos || a >= limit) return {};
    const size_t b = s.find(close, a + open.size());
    if (b == std::string::npos || b > limit) return {};
    return s.substr(a + open.size(), b - a - open.size());
}

// zbarimg --xml: one <source href='file'> per image with its symbols.
std::map<std::string, std::vector<Decoded>> readZbar(const std::vector<Image>& images) {
    const std::string xml = runCommand("zbarimg --xml" + fileList(images) + " 2>/dev/null");
    std::map<std::string, std::vector<Decoded>> out;
    size_t pos = 0;
    while ((pos = xml.find("<source href='", pos)) != std::string::npos) {
        pos += 14;
        const std::string file = xml.substr(pos, xml.find('\'', pos) - pos);
        const size_t end = std::min(xml.find("</source>", pos), xml.size());
        auto& symbols = out[file];
        size_t s = pos;
        while ((s = xml.find("<symbol ", s)) != std::string::npos && s < end) {
            const size_t tagEnd = xml.find('>', s);
            const std::string tag = xml.substr(s, tagEnd - s);
            Decoded d;
            d.type = between(tag, 0, "type='", "'", tag.size());
            d.gs1 = between(tag, 0, "modifiers='", "'", tag.size()).find("GS1") != std::string::npos;
            d.data = between(xml, s, "<![CDATA[", "]]>", end);
            symbols.push_back(d);
            s = tagEnd;
        }
        pos = end;
    }
    return out;
}

// ZXingReader: blocks of "Key:  value" lines, one block per file and symbol.
std::map<std::string, std::vector<Decoded>> readZxing(const std::vector<Image>& images) {
    const std::string text = runCommand("ZXingReader" + fileList(images) + " 2>/dev/null");
    std::map<std::string, std::vector<Decoded>> out;
    std::string file;
    Decoded d;
    auto flush = [&] {
        if (!file.empty() && !d.type.empty()) out[file].push_back(d);
        d = {};
    };
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string key = line.substr(0, colon);
        std::string value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(' '));
        if (key == "File") {
            flush();
            file = value;
            out[file];
        } else if (key == "Text") {
            if (!d.type.empty()) flush();
            d.data = value.size() >= 2 ? value.substr(1, value.size() - 2) : value;
        } else if (key == "Format") {
            d.type = value;
        } else if (key == "Content") {
            d.gs1 = value == "GS1";
        }
    }
    flush();
    return out;
}

// zbar's edge finder blurs elements one pixel wide: it misses some codes drawn at one pixel
// per module even when every pixel is right (ZXing reads all of them). A miss is allowed
// there, a wrong reading never.
void expectRead(const std::vector<Image>& images, const std::map<std::string, std::vector<Decoded>>& read,
                Decoded Image::*expected, const char* reader, bool mayMissOnePixel) {
    for (const Image& im : images) {
        const Decoded& want = im.*expected;
        if (want.type.empty()) continue;
        const auto it = read.find(im.file);
        const bool missed = it == read.end() || it->second.empty();
        if (missed && mayMissOnePixel && im.modulePx == 1) continue;
        std::string words;
        for (const auto& w : im.words) words += w + " ";
        SCOPED_TRACE(std::string(reader) + ": " + words);
        ASSERT_TRUE(!missed && it->second.size() == 1) << "not read exactly once";
        EXPECT_EQ(it->second[0].type, want.type);
        EXPECT_EQ(it->second[0].data, want.data);
        EXPECT_EQ(it->second[0].gs1, want.gs1);
    }
}

void renderAndRead(std::vector<Image>& images, const TempDir& dir) {
    ASSERT_FALSE(dir.path().empty());
    for (Image& im : images) im.file = dir.path() + "/" + im.file;
    const std::string failures = render(images);
    ASSERT_EQ(failures, "");
    expectRead(images, readZbar(images), &Image::zbar, "zbarimg", true);
    expectRead(images, readZxing(images), &Image::zxing, "ZXingReader", false);
}

// The 12 combinations of size (1, 2, 3 pixels per module) and angle in turn.
void place(Image& im, int i) {
    im.modulePx = 1 + i % 3;
    const std::vector<std::string> words{"--module-px", std::to_string(im.modulePx), "--angle",
                                         std::to_string(90 * ((i / 3) % 4))};
    im.words.insert(im.words.end(), words.begin(), words.end());
}

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
    TempDir dir;
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
    TempDir dir;
    renderAndRead(images, dir);
}

}  // namespace
