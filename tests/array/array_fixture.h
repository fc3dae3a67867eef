// A real design attached as the host's, the plug-in's texts in force, the default alphabet and
// one page's record and pad list as the current ones.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "array/array_parameters.h"
#include "array/pad_site_list.h"
#include "array/shared_state.h"
#include "platform/framework/module_state.h"
#include "platform/win/message_box.h"
#include "res/string_table.h"
#include "tests/host/zelmdb/design_fixture.h"

inline std::vector<std::string> NamesOf(const PadSiteList& pads) {
    std::vector<std::string> names;
    for (const PadSite& site : pads.Sites()) names.push_back(site.Name);
    return names;
}

class ArrayFixture : public DesignFixture {
protected:
    void SetUp() override {
        DesignFixture::SetUp();
        // One database unit per mil: positions in display units read back unchanged.
        UseDesign(1, 1.0 / 1000.0);
        AddStringTable(module_.resources);
        previous_ = AfxSetModuleState(&module_);
        SetActiveAlphabet(DefaultAlphabet);
        ClearShownMessageBoxes();
        CurrentParameters = &params;
        CurrentPadList = &pads;
    }
    void TearDown() override {
        CurrentParameters = nullptr;
        CurrentPadList = nullptr;
        SetActiveAlphabet(DefaultAlphabet);
        AfxSetModuleState(previous_);
        DesignFixture::TearDown();
    }

    void UseDesign(int unitCode, double inchesPerUnit) {
        zelmdb::DesignInfo info;
        info.unitCode = unitCode;
        info.inchesPerUnit = inchesPerUnit;
        AttachNewDesign(info);
    }

    std::vector<std::string> Names() const { return NamesOf(pads); }

    ArrayParameters params;
    PadSiteList pads;

private:
    AFX_MODULE_STATE module_{"tessra.dll", "", {}, nullptr};
    AFX_MODULE_STATE* previous_ = nullptr;
};
