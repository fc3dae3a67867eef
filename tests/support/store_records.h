// Records put into a design store by hand, for tests that build a design without the plug-in.
// A refusal fails the test where it happens and reads as id 0.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "host/base/result.h"
#include "host/zelmdb/design_store.h"

// The id the store gave.
inline int32_t Given(const Result<int32_t>& id) {
    EXPECT_TRUE(id.ok()) << id.error();
    return id.ok() ? id.value() : 0;
}

// `padstack` stored under a new id and `name`; its id.
inline int32_t StoreNewPadstack(zelmdb::DesignStore& store, zelmdb::Padstack padstack, const std::string& name) {
    padstack.id = Given(store.NewPadstack());
    padstack.nameId = Given(store.NameCreate(name));
    const Status put = store.PutPadstack(padstack);
    EXPECT_TRUE(put.ok()) << put.error();
    return padstack.id;
}
