// The root of the run-time class chain.
#include "platform/framework/runtime_class.h"

const CRuntimeClass CObject::classCObject{"CObject", nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

