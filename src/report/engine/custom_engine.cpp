#include "report/engine/custom_engine.h"

#include "report/model/report.h"
#include "report/registry/class_builder.h"

namespace lumaro {

const ClassInfo& TfrxCustomEngine::staticClassInfo() {
    using E = TfrxCustomEngine;
    static const ClassInfo info = ClassBuilder<E>("TfrxCustomEngine", &TfrxPersistent::staticClassInfo())
                                      .integer<&E::CurColumn, &E::SetCurColumn>("CurColumn")
                                      .integer<&E::CurVColumn, &E::SetCurVColumn>("CurVColumn")
                                      .floating<&E::CurX, &E::SetCurX>("CurX")
                                      .floating<&E::CurY, &E::SetCurY>("CurY")
                                      .boolean<&E::DoublePass, nullptr>("DoublePass")
                                      .boolean<&E::FinalPass, &E::SetFinalPass>("FinalPass")
                                      .floating<&E::PageHeight, &E::SetPageHeight>("PageHeight")
                                      .floating<&E::PageWidth, &E::SetPageWidth>("PageWidth")
                                      .floating<&E::StartDate, &E::SetStartDate>("StartDate")
                                      .floating<&E::StartTime, &E::SetStartTime>("StartTime")
                                      .integer<&E::TotalPages, &E::SetTotalPages>("TotalPages")
                                      .build();
    return info;
}

TfrxCustomEngine::~TfrxCustomEngine() = default;

bool TfrxCustomEngine::DoublePass() const { return report_.EngineOptions().DoublePass(); }

}  // namespace lumaro
