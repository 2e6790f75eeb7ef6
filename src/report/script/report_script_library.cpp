#include "report/script/report_script_library.h"

#include "report/script/published_properties.h"
#include "report/script/report_library_parts.h"
#include "script/script.h"

namespace lumaro {

namespace {
const char kOwner = 0;  // its address marks the library's items
}

const void* reportScriptLibraryOwner() { return &kOwner; }

void frxRegisterReportScriptLibrary() {
    static const bool registered = [] {
        // The standard libraries first: their classes do not belong to the object model,
        // so they must not take the model's properties.
        TfsScript& global = fsGlobalUnit();
        fsSetPublishedPropertySource(publishedProperties);
        const void* previous = global.AddedBy();
        global.SetAddedBy(reportScriptLibraryOwner());
        registerReportFunctions(global);
        registerReportScriptClasses(global);
        global.SetAddedBy(previous);
        return true;
    }();
    (void)registered;
}

}  // namespace lumaro
