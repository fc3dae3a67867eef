// Answers of the store's lookups kept while its own transaction holds the file, when no other
// program can change what they were read from.
#pragma once
#include <map>

namespace zelmdb {

template <typename Key, typename Value>
class KeptAnswers {
public:
    // The kept answer for `key`, else what `ask` reads, kept when `held` and `keep` agree.
    template <typename Ask, typename Keep>
    Value Find(bool held, const Key& key, Ask ask, Keep keep) {
        if (held) {
            if (auto found = answers_.find(key); found != answers_.end()) return found->second;
        }
        Value value = ask();
        if (held && keep(value)) answers_.emplace(key, value);
        return value;
    }
    template <typename Ask>
    Value Find(bool held, const Key& key, Ask ask) {
        return Find(held, key, ask, [](const Value&) { return true; });
    }
    // Once a change may have touched what was read, or the transaction is over.
    void Forget() { answers_.clear(); }
    // Once a change touched only what `key` reads.
    void Forget(const Key& key) { answers_.erase(key); }

private:
    std::map<Key, Value, std::less<>> answers_;
};

}  // namespace zelmdb
