#include "cli/template_loading.h"

#include <cstdio>

#include "core/text.h"
#include "report/model/report.h"
#include "report/model/report_hooks.h"
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
        bool asked = false;
        const ReportHooks saved = reportHooks();
        reportHooks().askPassword = [&](std::string& entered) {
            asked = true;
            if (password) entered = *password;
            return password != nullptr;
        };
        reportHooks().showErrors = nullptr;
        try {
            report.LoadFromFile(file, true);
        } catch (...) {
            reportHooks() = saved;
            throw;
        }
        reportHooks() = saved;
        if (asked && report.ReportOptions().Password().empty() && report.Objects().empty()) {
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
