// A fresh design in its own folder, attached as the host's design, for tests of the C functions.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/host_environment.h"
#include "tests/support/store_records.h"

// A padstack of one pad on layer 1 under `id` (0: the next free one); its id, 0 when refused.
inline int32_t PutTestPadstack(zelmdb::DesignStore& d, const std::string& name,
                               zelmdb::PadShape shape = zelmdb::PadShape::Round,
                               int32_t width = 100, int32_t id = 0) {
    const Result<int32_t> fresh = id != 0 ? Result<int32_t>(id) : d.NewPadstack();
    const Result<int32_t> nameId = d.NameCreate(name);
    if (!fresh.ok() || !nameId.ok()) return 0;
    zelmdb::Padstack p{fresh.value(), nameId.value(), {}};
    p.layers.resize(size_t(d.info().layerCount));
    p.layers[0] = {width, width, 0, 0, shape, 0};
    return d.PutPadstack(p).ok() ? p.id : 0;
}

class DesignFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        dir_ = std::filesystem::path(TESSRA_TEST_OUT) / "zelmdb" / name;
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "host");
        zelmdb::HostEnvironment::Get().SetHostFolder((dir_ / "host").string());
        zelmdb::HostEnvironment::Get().SetPluginFolder("");
        zelmdb::HostEnvironment::Get().SetCurrentIni(std::nullopt);
        zelmdb::HostEnvironment::Get().ClearMessages();
        AttachNewDesign(designInfo_);
    }
    void TearDown() override { zelmdb::DatabaseSet::Get().CloseAll(); }

    void AttachNewDesign(const zelmdb::DesignInfo& info) {
        zelmdb::DatabaseSet::Get().CloseAll();
        designPath_ = Path("d.design");
        std::filesystem::remove(designPath_);
        ASSERT_TRUE(zelmdb::DesignStore::Create(designPath_, info).ok());
        auto opened = zelmdb::DesignStore::Open(designPath_, zelmdb::DesignStore::Access::ReadWrite,
                                                zelmdb::DesignStore::Sharing::Exclusive);
        ASSERT_TRUE(opened.ok()) << opened.error();
        zelmdb::DatabaseSet::Get().AttachDesign(std::move(opened.value()));
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    zelmdb::DesignStore& Design() { return *zelmdb::DatabaseSet::Get().Design(); }
    void WriteHostIni(const std::string& text) {
        std::ofstream((dir_ / "host" / "ORVEX.INI").string(), std::ios::binary) << text;
    }

    std::filesystem::path dir_;
    std::string designPath_;
    zelmdb::DesignInfo designInfo_;
};
