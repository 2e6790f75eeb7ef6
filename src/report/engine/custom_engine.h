#pragma once
// The published part of the preparation engine, which scripts see as "Engine": where the next
// band goes (CurX, CurY, CurColumn), the printable size of the current page, the pass, the
// start of the run and the page count of a first pass. The report owns its engine; the
// prepared pages read CurY, FinalPass and Running from it.
#include "report/registry/class_info.h"
#include "report/registry/persistent.h"

namespace lumaro {

class TfrxReport;

class TfrxCustomEngine : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    explicit TfrxCustomEngine(TfrxReport& report) : report_(report) {}
    ~TfrxCustomEngine() override;

    TfrxReport& Report() const { return report_; }

    // ---- published ----
    // Current page column, from 1.
    int CurColumn() const { return curColumn_; }
    void SetCurColumn(int v) { curColumn_ = v; }
    // Current column of vertical bands, from 0.
    int CurVColumn() const { return curVColumn_; }
    void SetCurVColumn(int v) { curVColumn_ = v; }
    // Position of the next band, from the top left of the printable area, in pixels.
    double CurX() const { return curX_; }
    void SetCurX(double v) { curX_ = v; }
    double CurY() const { return curY_; }
    void SetCurY(double v) { curY_ = v; }
    // EngineOptions.DoublePass of the report.
    bool DoublePass() const;
    // True during the last (or only) pass.
    bool FinalPass() const { return finalPass_; }
    void SetFinalPass(bool v) { finalPass_ = v; }
    // Printable size of the current template page, in pixels.
    double PageHeight() const { return pageHeight_; }
    void SetPageHeight(double v) { pageHeight_ = v; }
    double PageWidth() const { return pageWidth_; }
    void SetPageWidth(double v) { pageWidth_ = v; }
    // Date and time the run started, as day numbers since 30 December 1899.
    double StartDate() const { return startDate_; }
    void SetStartDate(double v) { startDate_ = v; }
    double StartTime() const { return startTime_; }
    void SetStartTime(double v) { startTime_ = v; }
    // Page count of the first pass; 0 during the first pass.
    int TotalPages() const { return totalPages_; }
    void SetTotalPages(int v) { totalPages_ = v; }

    // ---- state ----
    // True from the start of a run to its end.
    bool Running() const { return running_; }
    void SetRunning(bool v) { running_ = v; }

private:
    TfrxReport& report_;
    int curColumn_ = 0;
    int curVColumn_ = 0;
    double curX_ = 0, curY_ = 0;
    bool finalPass_ = true;
    double pageHeight_ = 0, pageWidth_ = 0;
    double startDate_ = 0, startTime_ = 0;
    int totalPages_ = 0;
    bool running_ = false;
};

}  // namespace lumaro
