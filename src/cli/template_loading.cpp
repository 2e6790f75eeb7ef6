#include "cli/template_loading.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "core/text.h"
#include "report/model/report.h"
#include "report/model/report_host.h"
#include "report/xml/xml_document.h"

namespace lumaro::cli {

bool loadTemplate(const std::string& file, const std::string* password, TfrxReport& report) {
    try {
        TfrxXMLDocument doc;
        doc.LoadFromFile(file);
        if (!sameText(doc.Root()->Name(), "TfrxReport")) {
            std::fprintf(stderr, "%s: not a template (the root element is '%s', not 'TfrxReport')\n", file.c_str(),
                         doc.Root()->Name().c_str());
            return false;
        }
        // The report keeps the answer for later loads too.
        const auto asked = std::make_shared<bool>(false);
        const std::optional<std::string> given = password ? std::optional<std::string>(*password) : std::nullopt;
        ReportHost host = processHost();
        host.showErrors = nullptr;  // the commands print the errors
        host.askPassword = [asked, given](std::string& entered) {
            *asked = true;
            if (given) entered = *given;
            return given.has_value();
        };
        report.SetHost(std::move(host));
        report.LoadFromFile(file, true);
        if (*asked && report.ReportOptions().Password().empty() && report.Objects().empty()) {
            std::fprintf(stderr, "%s: the template is protected by a password (%s)\n", file.c_str(),
                         password ? "the password given is wrong" : "give it with --password");
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", file.c_str(), e.what());
        return false;
    }
}

}  // namespace lumaro::cli
