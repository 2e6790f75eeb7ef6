#pragma once
// Names of the prepared-report document's root element and of its sections.
#include <string_view>

namespace lumaro::prepared {

inline constexpr std::string_view kRootName = "preparedreport";
inline constexpr std::string_view kPagesSection = "previewpages";
inline constexpr std::string_view kOutlineSection = "outline";
inline constexpr std::string_view kAnchorsSection = "anchors";
// The holding area of CutObjects and PasteObjects; never saved.
inline constexpr std::string_view kCutSection = "cutted";
// Written only into saved files.
inline constexpr std::string_view kReportSection = "report";
inline constexpr std::string_view kSourcePagesSection = "sourcepages";
inline constexpr std::string_view kDictionarySection = "dictionary";

}  // namespace lumaro::prepared
