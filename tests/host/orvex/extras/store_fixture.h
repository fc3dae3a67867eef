// A fresh design file of this test alone, opened as the host opens it, with padstacks and a
// footprint put straight into the store: the host's own steps tested without the plug-in.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/zelmdb/design_store.h"
#include "host/zelmdb/record_layout.h"
#include "tests/support/store_records.h"

class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name) c = c == '/' ? '_' : c;
        const std::filesystem::path dir = std::filesystem::path(TESSRA_TEST_OUT) / "orvex-store" / name;
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        zelmdb::DesignInfo design;
        design.unitCode = 4;   // mm
        ASSERT_TRUE(zelmdb::DesignStore::Create((dir / "d.design").string(), design).ok());
        auto opened = zelmdb::DesignStore::Open((dir / "d.design").string(), zelmdb::DesignStore::Access::ReadWrite,
                                                zelmdb::DesignStore::Sharing::Exclusive);
        ASSERT_TRUE(opened.ok()) << opened.error();
        store_ = std::move(opened.value());
        ASSERT_TRUE(store_->Begin().ok());
    }
    void TearDown() override { store_->Rollback(); }

    // A padstack of one pad on the top layer, or none, and a drill.
    int16_t AddPadstack(const std::string& name, zelmdb::PadShape shape, int32_t width, int32_t height, int16_t rotation = 0,
                        int32_t drill = 0) {
        zelmdb::Padstack p;
        p.layers.resize(size_t(store_->info().layerCount));
        p.Layer(zelmdb::PadLayer::Top) = zelmdb::LayerGeometry{width, height, 0, 0, shape, rotation};
        if (drill > 0) p.Layer(zelmdb::PadLayer::Drill) = {drill, drill, 0, 0, zelmdb::PadShape::Round, 0};
        return int16_t(StoreNewPadstack(*store_, p, name));
    }
    struct PinAt {
        const char* name;
        int32_t x, y;
        int16_t padstack;
    };
    void AddFootprint(const std::string& name, const std::vector<PinAt>& pins, int32_t centreX, int32_t centreY) {
        zelmdb::Symbol s{Given(store_->NewSymbol()), Given(store_->NameCreate(name)), centreX, centreY, {}};
        for (const PinAt& p : pins) s.pins.push_back({Given(store_->NameCreate(p.name)), p.x, p.y, p.padstack});
        ASSERT_TRUE(store_->PutSymbol(s).ok());
    }
    // "name x y padstack" of every pin.
    std::vector<std::string> Pins(const std::string& footprint) {
        std::vector<std::string> out;
        const auto s = store_->SymbolNamed(footprint);
        if (!s) return out;
        for (const zelmdb::Pin& p : s->pins) {
            const auto stack = store_->GetPadstack(p.padstack);
            out.push_back(store_->NameText(p.nameId).value_or("?") + " " + std::to_string(p.x) + " " +
                          std::to_string(p.y) + " " + (stack ? store_->NameText(stack->nameId).value_or("?") : "none"));
        }
        return out;
    }

    std::unique_ptr<zelmdb::DesignStore> store_;
};
