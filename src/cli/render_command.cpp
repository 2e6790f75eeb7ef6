// lumaro-cli template render: a template page drawn to a PNG file as it is designed, without
// preparation, so that a person can look at a template.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/template_loading.h"
#include "core/number_text.h"
#include "platform/image_render.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/draw/template_page_drawing.h"
#include "report/views/view.h"

namespace lumaro::cli {

namespace {

constexpr const char* kUsage = "usage: lumaro-cli template render FILE PAGE OUT.png [--scale S] [--password TEXT] [--design]\n";
constexpr double kMaxScale = 16;
constexpr double kMaxPixels = 200e6;

struct RenderOptions {
    std::vector<std::string> words;  // FILE PAGE OUT
    double scale = 1;
    std::string password;
    bool hasPassword = false;
    bool design = false;
};

bool parse(const std::vector<std::string>& args, RenderOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--scale" && i + 1 < args.size()) {
            const auto scale = tryStrToFloatSep(args[++i], ".");
            if (!scale || !(*scale > 0) || *scale > kMaxScale) {
                std::fprintf(stderr, "lumaro-cli template render: the scale must be a number above 0 and at most %g, not '%s'\n",
                             kMaxScale, args[i].c_str());
                return false;
            }
            o.scale = *scale;
        } else if (a == "--password" && i + 1 < args.size()) {
            o.password = args[++i];
            o.hasPassword = true;
        } else if (a == "--design") {
            o.design = true;
        } else if (a.rfind("--", 0) == 0) {
            std::fprintf(stderr, "lumaro-cli template render: unknown option '%s'\n", a.c_str());
            return false;
        } else {
            o.words.push_back(a);
        }
    }
    if (o.words.size() == 3) return true;
    std::fputs(kUsage, stderr);
    return false;
}

std::string pageNames(const TfrxReport& report) {
    std::string names;
    for (const TfrxComponent* c : report.Objects())
        if (dynamic_cast<const TfrxReportPage*>(c)) names += (names.empty() ? "" : ", ") + c->Name();
    return names.empty() ? "none" : names;
}

int render(const std::vector<std::string>& args) {
    RenderOptions o;
    if (!parse(args, o)) return 2;
    const std::string& file = o.words[0];
    const std::string& pageName = o.words[1];
    const std::string& out = o.words[2];

    TfrxReport report;
    if (!loadTemplate(file, o.hasPassword ? &o.password : nullptr, report)) return 1;
    for (const std::string& line : report.Errors().lines()) std::fprintf(stderr, "%s: %s\n", file.c_str(), line.c_str());

    TfrxReportPage* page = findReportPage(report, pageName);
    if (!page) {
        std::fprintf(stderr, "%s: no report page '%s' (report pages: %s)\n", file.c_str(), pageName.c_str(),
                     pageNames(report).c_str());
        return 1;
    }
    const int width = templatePageWidth(*page, o.scale), height = templatePageHeight(*page, o.scale);
    if (width <= 0 || height <= 0 || double(width) * height > kMaxPixels) {
        std::fprintf(stderr, "%s: page '%s' would be %d x %d pixels; that cannot be rendered\n", file.c_str(),
                     page->Name().c_str(), width, height);
        return 1;
    }
    // In the designer every object of the page is a designer's object.
    if (o.design)
        for (TfrxComponent* c : page->AllObjects()) c->SetDesigning(true);
    arrangeTemplatePage(*page);
    // An object that cannot be drawn is named and left out; the rest of the page is still written.
    bool drawn = true;
    const ViewDrawError reportError = [&](const TfrxView& view, const std::exception& e) {
        std::fprintf(stderr, "%s: %s: %s\n", file.c_str(), view.Name().c_str(), e.what());
        drawn = false;
    };
    try {
        savePng(renderImage(width, height,
                            [&](Canvas& canvas) {
                                drawTemplatePage({.canvas = canvas, .scaleX = o.scale, .scaleY = o.scale,
                                                  .designing = o.design},
                                                 *page, reportError);
                            }),
                out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", out.c_str(), e.what());
        return 1;
    }
    return drawn ? 0 : 1;
}

const CliRegistrar registrar({"template",
                              "  template render FILE PAGE OUT.png [--scale S] [--password TEXT] [--design]\n"
                              "      draw a page of a template (by name or number from 1) to a PNG file as it is\n"
                              "      designed, without preparation; --design shows the designer's placeholders",
                              &render, "render"});

}  // namespace

}  // namespace lumaro::cli
