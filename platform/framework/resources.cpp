// Lookups in a module's resources.
#include "platform/framework/resources.h"

const DialogTemplate* ResourceSet::FindDialog(int id) const {
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

const std::string* ResourceSet::FindString(int id) const {
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : &it->second;
}
