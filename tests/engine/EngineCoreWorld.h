#pragma once
// An engine over a started core, and label records as the reader makes them.
#include <memory>

#include "EngineWorld.h"
#include "engine/EngineCore.h"

namespace quill::test {

class EngineCoreTest : public EngineTest {
protected:
    void makeEngine(const std::string& ini = "", const std::string& extraSections = "") {
        StartUp(ini, extraSections);
        core = std::make_unique<TEngineCore>();
    }
    void TearDown() override {
        core.reset();
        EngineTest::TearDown();
    }
    // A Corvane copy of `design` whose first value is `value`.
    TLabelRecord record(const std::string& design, const std::string& value) const {
        TLabelRecord r;
        r.Mode = TMode::Corvane;
        r.Amount = 1;
        r.Design = design;
        r.DesignFolder = designFolder();
        const TField& field = Mode(TMode::Corvane).Fields.front();
        r.AppendField(&field.Name, KindText, value);
        return r;
    }
    std::vector<std::string> rowStatuses() const {
        std::vector<std::string> statuses;
        for (const TQueueRow& row : core->Rows().Rows()) statuses.push_back(row.Status);
        return statuses;
    }

    std::unique_ptr<TEngineCore> core;
};

}  // namespace quill::test
