#pragma once
// The report's four option groups. Each is a property object stored under its name in the
// template ("EngineOptions.DoublePass", ...).
#include <string>

#include "report/model/picture.h"
#include "report/model/report_types.h"
#include "report/registry/class_info.h"
#include "report/registry/persistent.h"

namespace lumaro {

class TfrxEngineOptions : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    bool ConvertNulls() const { return convertNulls_; }
    void SetConvertNulls(bool v) { convertNulls_ = v; }
    bool DoublePass() const { return doublePass_; }
    void SetDoublePass(bool v) { doublePass_ = v; }
    int MaxMemSize() const { return maxMemSize_; }
    void SetMaxMemSize(int v) { maxMemSize_ = v; }
    bool PrintIfEmpty() const { return printIfEmpty_; }
    void SetPrintIfEmpty(bool v) { printIfEmpty_ = v; }
    bool SilentMode() const { return silentMode_; }
    void SetSilentMode(bool v) { silentMode_ = v; }
    const std::string& TempDir() const { return tempDir_; }
    void SetTempDir(std::string v) { tempDir_ = std::move(v); }
    bool UseFileCache() const { return useFileCache_; }
    void SetUseFileCache(bool v) { useFileCache_ = v; }
    // Not published: Prepare saves the report before preparing and restores it afterwards.
    bool SnapshotReport() const { return snapshotReport_; }
    void SetSnapshotReport(bool v) { snapshotReport_ = v; }

    void Assign(const TfrxEngineOptions& s);
    // What the report's Clear resets: ConvertNulls and DoublePass.
    void Clear();

private:
    bool convertNulls_ = true;
    bool doublePass_ = false;
    int maxMemSize_ = 10;
    bool printIfEmpty_ = true;
    bool silentMode_ = false;
    std::string tempDir_;
    bool useFileCache_ = false;
    bool snapshotReport_ = true;
};

class TfrxPreviewOptions : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    // All eleven preview buttons.
    static constexpr int kAllButtons = (1 << 11) - 1;

    bool AllowEdit() const { return allowEdit_; }
    void SetAllowEdit(bool v) { allowEdit_ = v; }
    // Set of TfrxPreviewButton.
    int Buttons() const { return buttons_; }
    void SetButtons(int v) { buttons_ = v & kAllButtons; }
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool v) { doubleBuffered_ = v; }
    bool Maximized() const { return maximized_; }
    void SetMaximized(bool v) { maximized_ = v; }
    bool MDIChild() const { return mdiChild_; }
    void SetMDIChild(bool v) { mdiChild_ = v; }
    bool Modal() const { return modal_; }
    void SetModal(bool v) { modal_ = v; }
    bool OutlineVisible() const { return outlineVisible_; }
    void SetOutlineVisible(bool v) { outlineVisible_ = v; }
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int v) { outlineWidth_ = v; }
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool v) { showCaptions_ = v; }
    double Zoom() const { return zoom_; }
    void SetZoom(double v) { zoom_ = v; }
    TfrxZoomMode ZoomMode() const { return zoomMode_; }
    void SetZoomMode(TfrxZoomMode v) { zoomMode_ = v; }

    void Assign(const TfrxPreviewOptions& s);
    // What the report's Clear resets: OutlineVisible and OutlineWidth.
    void Clear();

private:
    bool allowEdit_ = true;
    int buttons_ = kAllButtons;
    bool doubleBuffered_ = true;
    bool maximized_ = true;
    bool mdiChild_ = false;
    bool modal_ = true;
    bool outlineVisible_ = false;
    int outlineWidth_ = 120;
    bool showCaptions_ = false;
    double zoom_ = 1.0;
    TfrxZoomMode zoomMode_ = zmDefault;
};

class TfrxPrintOptions : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    TfrxPrintOptions();

    int Copies() const { return copies_; }
    void SetCopies(int v) { copies_ = v; }
    bool Collate() const { return collate_; }
    void SetCollate(bool v) { collate_ = v; }
    const std::string& PageNumbers() const { return pageNumbers_; }
    void SetPageNumbers(std::string v) { pageNumbers_ = std::move(v); }
    const std::string& Printer() const { return printer_; }
    void SetPrinter(std::string v) { printer_ = std::move(v); }
    TfrxPrintPages PrintPages() const { return printPages_; }
    void SetPrintPages(TfrxPrintPages v) { printPages_ = v; }
    bool Reverse() const { return reverse_; }
    void SetReverse(bool v) { reverse_ = v; }
    bool ShowDialog() const { return showDialog_; }
    void SetShowDialog(bool v) { showDialog_ = v; }

    void Assign(const TfrxPrintOptions& s);
    // Every property back to its default (Printer: the resource text prDefault).
    void Clear();

private:
    int copies_ = 1;
    bool collate_ = true;
    std::string pageNumbers_;
    std::string printer_;
    TfrxPrintPages printPages_ = ppAll;
    bool reverse_ = false;
    bool showDialog_ = true;
};

class TfrxReportOptions : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    TfrxReportOptions();

    const std::string& Author() const { return author_; }
    void SetAuthor(std::string v) { author_ = std::move(v); }
    bool Compressed() const { return compressed_; }
    void SetCompressed(bool v) { compressed_ = v; }
    // Day numbers since 30 December 1899 with the time as fraction.
    double CreateDate() const { return createDate_; }
    void SetCreateDate(double v) { createDate_ = v; }
    const Lines& Description() const { return description_; }
    void SetDescription(Lines v) { description_ = std::move(v); }
    const std::string& InitString() const { return initString_; }
    void SetInitString(std::string v) { initString_ = std::move(v); }
    double LastChange() const { return lastChange_; }
    void SetLastChange(double v) { lastChange_ = v; }
    const std::string& Name() const { return name_; }
    void SetName(std::string v) { name_ = std::move(v); }
    // Held in clear text; templates store it scrambled (see TfrxReport).
    const std::string& Password() const { return password_; }
    void SetPassword(std::string v) { password_ = std::move(v); }
    TfrxPicture& Picture() { return picture_; }
    const TfrxPicture& Picture() const { return picture_; }
    const std::string& VersionBuild() const { return versionBuild_; }
    void SetVersionBuild(std::string v) { versionBuild_ = std::move(v); }
    const std::string& VersionMajor() const { return versionMajor_; }
    void SetVersionMajor(std::string v) { versionMajor_ = std::move(v); }
    const std::string& VersionMinor() const { return versionMinor_; }
    void SetVersionMinor(std::string v) { versionMinor_ = std::move(v); }
    const std::string& VersionRelease() const { return versionRelease_; }
    void SetVersionRelease(std::string v) { versionRelease_ = std::move(v); }

    void Assign(const TfrxReportOptions& s);
    // Every property back to its default, the dates to now and the picture emptied.
    void Clear();

private:
    std::string author_;
    bool compressed_ = false;
    double createDate_ = 0;
    Lines description_;
    std::string initString_;
    double lastChange_ = 0;
    std::string name_;
    std::string password_;
    TfrxPicture picture_;
    std::string versionBuild_, versionMajor_, versionMinor_, versionRelease_;
};

// The current local date and time as a day number since 30 December 1899.
double nowAsDateTime();

}  // namespace lumaro
