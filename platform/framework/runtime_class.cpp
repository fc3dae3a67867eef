// The registry of classes that can be made by name.
#include "platform/framework/runtime_class.h"

#include <map>
#include <string>

namespace {
std::map<std::string, const CRuntimeClass*>& Registry() {
    static std::map<std::string, const CRuntimeClass*> registry;
    return registry;
}
}  // namespace

const CRuntimeClass CObject::classCObject{"CObject", nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

void CRuntimeClass::Register(const CRuntimeClass* cls) { Registry()[cls->m_lpszClassName] = cls; }

const CRuntimeClass* CRuntimeClass::FromName(const char* name) {
    auto it = Registry().find(name ? name : "");
    return it == Registry().end() ? nullptr : it->second;
}
