#pragma once
// Applies the localisation lines stored under a window's class name in the resource table
// (TfrxResources::FormLocalization) to a Qt window: "Caption", "Hint" and "Text" map to the
// matching Qt texts (window title, button/label/action text, group box title, tab text,
// tool tip); other property names are tried as Qt string properties of the same name with a
// lower-case first letter. Lines naming an unknown control or an unsupported property are
// skipped.
#include <QString>
#include <string_view>

class QObject;

namespace lumaro {

// Looks controls up by objectName among all descendants of `window` (widgets, actions, menus).
void applyFormLocalization(QObject* window, std::string_view className);

// Sets one string property the way a localisation line does; false when `target` has no such
// text.
bool setLocalizedProperty(QObject* target, std::string_view property, const QString& value);

}  // namespace lumaro
