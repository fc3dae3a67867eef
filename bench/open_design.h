// A fresh design attached as the run's design, inside a transaction that is rolled back.
#pragma once
#include <filesystem>
#include <string>

#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"

struct OpenDesign {
    std::filesystem::path dir;
    explicit OpenDesign(const char* name) : dir(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const std::string path = (dir / "d.design").string();
        if (!zelmdb::DesignStore::Create(path, zelmdb::DesignInfo{}).ok()) return;
        auto store = zelmdb::DesignStore::Open(path, zelmdb::DesignStore::Access::ReadWrite,
                                               zelmdb::DesignStore::Sharing::Exclusive);
        if (!store.ok()) return;
        if (!store.value()->Begin().ok()) return;
        zelmdb::DatabaseSet::Get().AttachDesign(std::move(store.value()));
    }
    ~OpenDesign() {
        if (auto* design = zelmdb::DatabaseSet::Get().Design()) design->Rollback();
        zelmdb::DatabaseSet::Get().CloseAll();
        std::filesystem::remove_all(dir);
    }
};
