#include "report/model/report_host.h"

#include <optional>

#include "core/process_hook.h"
#include "gfx/builtin_font_metrics.h"
#include "report/model/report.h"

namespace lumaro {

namespace {
const ReportHost*& installedProcessHost() {
    static const ReportHost* host = nullptr;
    return host;
}
}  // namespace

const FontMetrics& ReportHost::metrics() const { return fontMetrics ? *fontMetrics : builtinFontMetrics(); }

void ReportHost::pumpMessages() const {
    if (processMessages) processMessages();
}

const ReportHost& processHost() {
    static const ReportHost headless;
    const ReportHost* host = installedProcessHost();
    return host ? *host : headless;
}

const ReportHost& hostOf(const TfrxComponent& component) {
    if (const TfrxReport* report = component.Report()) return report->Host();
    return processHost();
}

struct ScopedProcessHost::Saved {
    ReportHost host;
    const ReportHost* previous = nullptr;
    std::optional<ScopedProcessMessagesHook> messages;
};

ScopedProcessHost::ScopedProcessHost(ReportHost host) : saved_(std::make_unique<Saved>()) {
    saved_->host = std::move(host);
    saved_->previous = installedProcessHost();
    if (saved_->host.processMessages) saved_->messages.emplace(saved_->host.processMessages);
    installedProcessHost() = &saved_->host;
}

ScopedProcessHost::~ScopedProcessHost() {
    installedProcessHost() = saved_->previous;
    saved_->messages.reset();
}

}  // namespace lumaro
