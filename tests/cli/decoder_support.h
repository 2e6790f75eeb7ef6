#pragma once
// Barcode images rendered by lumaro-cli and read back by zbarimg and ZXingReader.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "cli_support.h"
#include "support/temp_dir.h"

namespace lumaro::testing {

struct Decoded {
    std::string type, data;  // data: the bytes the reader reports
    bool gs1 = false;        // zbar's GS1 modifier, ZXing's GS1 content (symbology identifier ]C1)
};

struct Image {
    std::string file;
    std::vector<std::string> words;  // lumaro-cli barcode ...
    Decoded zbar;                    // empty type: zbar does not read this symbology
    Decoded zxing;
    int modulePx = 1;
};

// Renders every image with one shell run, in two halves side by side; returns the files
// that failed.
inline std::string renderImages(const std::vector<Image>& images) {
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

inline std::string fileList(const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& f : files) list += " " + shellQuote(f);
    return list;
}

inline std::string between(const std::string& s, size_t from, const std::string& open, const std::string& close,
                           size_t limit) {
    const size_t a = s.find(open, from);
    if (a == std::string::npos || a >= limit) return {};
    const size_t b = s.find(close, a + open.size());
    if (b == std::string::npos || b > limit) return {};
    return s.substr(a + open.size(), b - a - open.size());
}

inline std::string base64Decode(const std::string& in) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    int bits = 0, value = 0;
    for (char c : in) {
        const size_t v = alphabet.find(c);
        if (v == std::string::npos) continue;  // line breaks, padding
        value = value << 6 | static_cast<int>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((value >> bits) & 0xFF);
        }
    }
    return out;
}

// zbarimg --xml: one <source href='file'> per image with its symbols; data that is not plain
// text comes base64-encoded.
inline std::map<std::string, std::vector<Decoded>> readZbar(const std::vector<std::string>& files) {
    const std::string xml = runCommand("zbarimg --xml" + fileList(files) + " 2>/dev/null");
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
            const size_t dataTag = xml.find("<data", s);
            const bool base64 = dataTag < end && between(xml, dataTag, "format='", "'", xml.find('>', dataTag)) == "base64";
            d.data = between(xml, s, "<![CDATA[", "]]>", end);
            if (base64) d.data = base64Decode(d.data);
            symbols.push_back(d);
            s = tagEnd;
        }
        pos = end;
    }
    return out;
}

// ZXingReader: blocks of "Key:  value" lines, one block per file and symbol. The data is
// taken from the "Bytes" line (hexadecimal), which also shows control characters and the GS
// that stands for FNC1 inside GS1 data.
inline std::map<std::string, std::vector<Decoded>> readZxing(const std::vector<std::string>& files) {
    const std::string text = runCommand("ZXingReader" + fileList(files) + " 2>/dev/null");
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
        } else if (key == "Bytes") {
            d.data.clear();
            for (size_t i = 0; i + 1 < value.size(); i += 3) d.data += static_cast<char>(std::stoi(value.substr(i, 2), nullptr, 16));
        } else if (key == "Format") {
            d.type = value;
        } else if (key == "Identifier") {
            d.gs1 = value == "]C1";
        }
    }
    flush();
    return out;
}

inline std::vector<std::string> filesOf(const std::vector<Image>& images) {
    std::vector<std::string> files;
    for (const Image& im : images) files.push_back(im.file);
    return files;
}

// zbar's edge finder blurs elements one pixel wide: it misses some codes drawn at one pixel
// per module even when every pixel is right (ZXing reads all of them). A miss is allowed
// there, a wrong reading never.
inline void expectRead(const std::vector<Image>& images, const std::map<std::string, std::vector<Decoded>>& read,
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

// Renders the images into `dir` and reads them with both readers.
inline void renderAndRead(std::vector<Image>& images, const TempDir& dir) {
    for (Image& im : images) im.file = dir.file(im.file);
    const std::string failures = renderImages(images);
    ASSERT_EQ(failures, "");
    expectRead(images, readZbar(filesOf(images)), &Image::zbar, "zbarimg", true);
    expectRead(images, readZxing(filesOf(images)), &Image::zxing, "ZXingReader", false);
}

// The 12 combinations of size (1, 2, 3 pixels per module) and angle in turn.
inline void place(Image& im, int i) {
    im.modulePx = 1 + i % 3;
    const std::vector<std::string> words{"--module-px", std::to_string(im.modulePx), "--angle",
                                         std::to_string(90 * ((i / 3) % 4))};
    im.words.insert(im.words.end(), words.begin(), words.end());
}

}  // namespace lumaro::testing
