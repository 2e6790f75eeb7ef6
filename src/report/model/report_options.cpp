#include "report/model/report_options.h"

#include <chrono>
#include <ctime>

#include "core/date_time.h"
#include "core/resources.h"
#include "report/registry/class_builder.h"

namespace lumaro {

double nowAsDateTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           encodeTime(local.tm_hour, local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59, static_cast<int>(ms));
}

const ClassInfo& TfrxEngineOptions::staticClassInfo() {
    using E = TfrxEngineOptions;
    static const ClassInfo info = ClassBuilder<E>("TfrxEngineOptions", &TfrxPersistent::staticClassInfo())
                                      .boolean<&E::ConvertNulls, &E::SetConvertNulls>("ConvertNulls", true)
                                      .boolean<&E::DoublePass, &E::SetDoublePass>("DoublePass", false)
                                      .integer<&E::MaxMemSize, &E::SetMaxMemSize>("MaxMemSize", 10)
                                      .boolean<&E::PrintIfEmpty, &E::SetPrintIfEmpty>("PrintIfEmpty", true)
                                      .boolean<&E::SilentMode, &E::SetSilentMode>("SilentMode", false)
                                      .string<&E::TempDir, &E::SetTempDir>("TempDir")
                                      .boolean<&E::UseFileCache, &E::SetUseFileCache>("UseFileCache", false)
                                      .build();
    return info;
}

void TfrxEngineOptions::Assign(const TfrxEngineOptions& s) {
    convertNulls_ = s.convertNulls_;
    doublePass_ = s.doublePass_;
    maxMemSize_ = s.maxMemSize_;
    printIfEmpty_ = s.printIfEmpty_;
    silentMode_ = s.silentMode_;
    tempDir_ = s.tempDir_;
    useFileCache_ = s.useFileCache_;
    snapshotReport_ = s.snapshotReport_;
}

void TfrxEngineOptions::Clear() {
    convertNulls_ = true;
    doublePass_ = false;
}

const ClassInfo& TfrxPreviewOptions::staticClassInfo() {
    using P = TfrxPreviewOptions;
    static const ClassInfo info = ClassBuilder<P>("TfrxPreviewOptions", &TfrxPersistent::staticClassInfo())
                                      .boolean<&P::AllowEdit, &P::SetAllowEdit>("AllowEdit", true)
                                      .set<&P::Buttons, &P::SetButtons>("Buttons", kPreviewButtonType)
                                      .boolean<&P::DoubleBuffered, &P::SetDoubleBuffered>("DoubleBuffered", true)
                                      .boolean<&P::Maximized, &P::SetMaximized>("Maximized", true)
                                      .boolean<&P::MDIChild, &P::SetMDIChild>("MDIChild", false)
                                      .boolean<&P::Modal, &P::SetModal>("Modal", true)
                                      .boolean<&P::OutlineVisible, &P::SetOutlineVisible>("OutlineVisible", false)
                                      .integer<&P::OutlineWidth, &P::SetOutlineWidth>("OutlineWidth", 120)
                                      .boolean<&P::ShowCaptions, &P::SetShowCaptions>("ShowCaptions", false)
                                      .floating<&P::Zoom, &P::SetZoom>("Zoom")
                                      .enumeration<&P::ZoomMode, &P::SetZoomMode>("ZoomMode", kZoomModeType, zmDefault)
                                      .build();
    return info;
}

void TfrxPreviewOptions::Assign(const TfrxPreviewOptions& s) {
    allowEdit_ = s.allowEdit_;
    buttons_ = s.buttons_;
    doubleBuffered_ = s.doubleBuffered_;
    maximized_ = s.maximized_;
    mdiChild_ = s.mdiChild_;
    modal_ = s.modal_;
    outlineVisible_ = s.outlineVisible_;
    outlineWidth_ = s.outlineWidth_;
    showCaptions_ = s.showCaptions_;
    zoom_ = s.zoom_;
    zoomMode_ = s.zoomMode_;
}

void TfrxPreviewOptions::Clear() {
    outlineVisible_ = false;
    outlineWidth_ = 120;
}

const ClassInfo& TfrxPrintOptions::staticClassInfo() {
    using P = TfrxPrintOptions;
    static const ClassInfo info = ClassBuilder<P>("TfrxPrintOptions", &TfrxPersistent::staticClassInfo())
                                      .integer<&P::Copies, &P::SetCopies>("Copies", 1)
                                      .boolean<&P::Collate, &P::SetCollate>("Collate", true)
                                      .string<&P::PageNumbers, &P::SetPageNumbers>("PageNumbers")
                                      .string<&P::Printer, &P::SetPrinter>("Printer")
                                      .enumeration<&P::PrintPages, &P::SetPrintPages>("PrintPages", kPrintPagesType, ppAll)
                                      .boolean<&P::Reverse, &P::SetReverse>("Reverse", false)
                                      .boolean<&P::ShowDialog, &P::SetShowDialog>("ShowDialog", true)
                                      .build();
    return info;
}

TfrxPrintOptions::TfrxPrintOptions() { Clear(); }

void TfrxPrintOptions::Assign(const TfrxPrintOptions& s) {
    copies_ = s.copies_;
    collate_ = s.collate_;
    pageNumbers_ = s.pageNumbers_;
    printer_ = s.printer_;
    printPages_ = s.printPages_;
    reverse_ = s.reverse_;
    showDialog_ = s.showDialog_;
}

void TfrxPrintOptions::Clear() {
    copies_ = 1;
    collate_ = true;
    pageNumbers_.clear();
    printer_ = frxGet("prDefault");
    printPages_ = ppAll;
    reverse_ = false;
    showDialog_ = true;
}

const ClassInfo& TfrxReportOptions::staticClassInfo() {
    using R = TfrxReportOptions;
    static const ClassInfo info =
        ClassBuilder<R>("TfrxReportOptions", &TfrxPersistent::staticClassInfo())
            .string<&R::Author, &R::SetAuthor>("Author")
            .boolean<&R::Compressed, &R::SetCompressed>("Compressed", false)
            .floating<&R::CreateDate, &R::SetCreateDate>("CreateDate")
            .lines<&R::Description, &R::SetDescription>("Description")
            .string<&R::InitString, &R::SetInitString>("InitString")
            .floating<&R::LastChange, &R::SetLastChange>("LastChange")
            .string<&R::Name, &R::SetName>("Name")
            .string<&R::Password, &R::SetPassword>("Password")
            .object<LUMARO_MUTABLE_GETTER(R, Picture, TfrxPicture)>("Picture", &TfrxPicture::staticClassInfo)
            .string<&R::VersionBuild, &R::SetVersionBuild>("VersionBuild")
            .string<&R::VersionMajor, &R::SetVersionMajor>("VersionMajor")
            .string<&R::VersionMinor, &R::SetVersionMinor>("VersionMinor")
            .string<&R::VersionRelease, &R::SetVersionRelease>("VersionRelease")
            .build();
    return info;
}

TfrxReportOptions::TfrxReportOptions() { Clear(); }

void TfrxReportOptions::Assign(const TfrxReportOptions& s) {
    author_ = s.author_;
    compressed_ = s.compressed_;
    createDate_ = s.createDate_;
    description_ = s.description_;
    initString_ = s.initString_;
    lastChange_ = s.lastChange_;
    name_ = s.name_;
    password_ = s.password_;
    picture_.Assign(s.picture_);
    versionBuild_ = s.versionBuild_;
    versionMajor_ = s.versionMajor_;
    versionMinor_ = s.versionMinor_;
    versionRelease_ = s.versionRelease_;
}

void TfrxReportOptions::Clear() {
    author_.clear();
    compressed_ = false;
    createDate_ = lastChange_ = nowAsDateTime();
    description_.clear();
    initString_.clear();
    name_.clear();
    password_.clear();
    picture_.Clear();
    versionBuild_.clear();
    versionMajor_.clear();
    versionMinor_.clear();
    versionRelease_.clear();
}

}  // namespace lumaro
