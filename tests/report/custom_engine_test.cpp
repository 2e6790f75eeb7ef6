// The engine's published properties, as the property registry and scripts see them.
#include <gtest/gtest.h>

#include "../script/script_runner.h"
#include "report/engine/custom_engine.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/prepared/preview_pages.h"
#include "report/registry/class_registry.h"
#include "report/registry/prop_access.h"

using namespace lumaro;
using namespace lumaro::testing;

TEST(CustomEngine, PublishedProperties) {
    const ClassInfo* info = findClassInfo("TfrxCustomEngine");
    ASSERT_NE(info, nullptr);
    std::vector<std::string> names;
    for (const PropInfo& p : info->props) names.push_back(p.name + ":" + propKindName(p.kind) + (p.readOnly() ? "!" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{"CurColumn:Integer", "CurVColumn:Integer", "CurX:Float", "CurY:Float",
                                               "DoublePass:Boolean!", "FinalPass:Boolean", "PageHeight:Float",
                                               "PageWidth:Float", "StartDate:Float", "StartTime:Float",
                                               "TotalPages:Integer"}));
}

TEST(CustomEngine, ScriptsSeeTheEngine) {
    TfrxReport report;
    report.EngineOptions().SetDoublePass(true);
    report.Engine().SetTotalPages(7);
    TestScript script;
    script.script().AddObject("Engine", &report.Engine());
    const ScriptRun r = script.run(
        "begin Engine.CurY := Engine.CurY + 12.5; ShowMessage(Engine.CurY); ShowMessage(Engine.DoublePass);"
        " ShowMessage(Engine.TotalPages); Engine.FinalPass := False; end.");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "12.5\nTrue\n7\n");
    EXPECT_EQ(report.Engine().CurY(), 12.5);
    EXPECT_FALSE(report.Engine().FinalPass());
}

TEST(CustomEngine, ScriptsAddAnchorsAndOutlineEntries) {
    TfrxReport report;
    TfrxPreviewPages& pages = report.PreviewPages();
    TfrxReportPage page;
    page.ApplyPrinterDefaults();
    pages.AddPage(page);
    pages.AddPage(page);
    report.Engine().SetCurY(41.5);
    TestScript script;
    script.script().AddObject("Engine", &report.Engine());
    script.script().AddObject("Outline", &pages.Outline());
    const ScriptRun r = script.run(
        "begin Engine.AddAnchor('Total'); ShowMessage(Engine.GetAnchorPage('total'));"
        " ShowMessage(Engine.GetAnchorPage('none'));"
        " Outline.AddItem('Group'); Outline.AddItem('Label'); Outline.LevelUp; Outline.AddItem('Label 2');"
        " Outline.LevelRoot; Outline.AddItem('Group 2'); end.");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "2\n1\n");
    TfrxOutline& outline = pages.Outline();
    outline.LevelRoot();
    ASSERT_EQ(outline.Count(), 2);
    EXPECT_EQ(outline.GetItem(0).text, "Group");
    EXPECT_EQ(outline.GetItem(0).page, 1);
    EXPECT_EQ(outline.GetItem(0).top, 42);
    outline.LevelDown(0);
    EXPECT_EQ(outline.Count(), 2);
    EXPECT_EQ(outline.GetItem(1).text, "Label 2");
}
